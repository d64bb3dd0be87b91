#include "maintenance/ClosingFlow.h"

#include "core/DatePrompt.h"
#include "core/Messenger.h"
#include "core/Refusal.h"
#include "maintenance/PhysicalClosing.h"
#include "maintenance/YearClosing.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "store/Database.h"

namespace ClosingFlow {

namespace {

// "Igen"/"OK" goes on; "Súgó" opens the help page and stops, like every other answer.
bool goOn(int answer, int proceed, const BackupFlow::HelpOpener &help)
{
    if (answer == MsgResult::Help && help)
        help(PhysicalClosing::helpPage());
    return answer == proceed;
}

} // namespace

Outcome closeYear(const Services &services)
{
    Messenger &messenger = services.messenger;
    if (messenger.showMessage(QStringLiteral("Megerősítés!"), Symbol::Question, YearClosing::confirmText(),
            QStringLiteral("Igen"), QStringLiteral("Nem"))
        != MsgResult::Yes)
        return Outcome::Cancelled;
    const Settings &settings = services.settings;
    const Refusal refused = YearClosing::close(Database::warehouse(settings.dbPath(), settings.aktivRaktar()),
        settings.munkaEv().toInt(), settings.loginUser());
    if (refused) {
        refused.show(messenger);
        return Outcome::Refused;
    }
    Refusal::information(YearClosing::doneText()).show(messenger);
    return Outcome::Closed;
}

Outcome closePhysically(const Services &services, const BackupFlow::HelpOpener &help)
{
    Messenger &messenger = services.messenger;
    const QString warning = QStringLiteral("Figyelmeztetés");
    if (!goOn(messenger.showMessage(warning, Symbol::Warning, PhysicalClosing::firstWarningText(), QStringLiteral("Igen"),
                  QStringLiteral("Nem"), QStringLiteral("Súgó")),
            MsgResult::Yes, help))
        return Outcome::Cancelled;
    const int backup = messenger.showMessage(warning, Symbol::Warning, PhysicalClosing::backupQuestionText(),
        QStringLiteral("Igen"), QStringLiteral("Nem"), QStringLiteral("Súgó"));
    if (backup == MsgResult::Yes) {
        const BackupFlow::Outcome saved = BackupFlow::backup(services, services.settings.aktivRaktar(), help);
        if (saved != BackupFlow::Outcome::Done) {
            Refusal::error(PhysicalClosing::backupFailedText()).show(messenger);
            return saved == BackupFlow::Outcome::Cancelled ? Outcome::Cancelled : Outcome::Refused;
        }
    } else if (!goOn(backup, MsgResult::No, help)) {
        return Outcome::Cancelled;
    }
    if (!goOn(messenger.showMessage(QStringLiteral("Információ"), Symbol::Information, PhysicalClosing::lastWarningText(),
                  QStringLiteral("OK"), QStringLiteral("Mégse"), QStringLiteral("Súgó")),
            MsgResult::Ok, help))
        return Outcome::Cancelled;
    const QDate date = services.dates.askDate(PhysicalClosing::dateLabel());
    if (!date.isValid() || date == DatePrompt::noDate())
        return Outcome::Cancelled;

    const Settings &settings = services.settings;
    QSqlDatabase db = Database::warehouse(settings.dbPath(), settings.aktivRaktar());
    messenger.showProgress(PhysicalClosing::progressText());
    const Checked<PhysicalClosing::Outcome> closed = PhysicalClosing::close(db, date, settings.loginUser(), settings.kiadAr());
    const Refusal compacted = closed.ok() ? PhysicalClosing::compact(db, settings.aktivRaktar()) : Refusal();
    messenger.hideProgress();
    if (!closed.ok()) {
        closed.refusal.show(messenger);
        return Outcome::Refused;
    }
    if (compacted) {
        compacted.show(messenger);
        return Outcome::Closed;
    }
    messenger.showMessage(QStringLiteral("Információ"), Symbol::Question, PhysicalClosing::doneText(), QStringLiteral("OK"));
    return Outcome::Closed;
}

} // namespace ClosingFlow
