#include "maintenance/BackupFlow.h"

#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "core/Refusal.h"
#include "maintenance/Backup.h"
#include "maintenance/Restore.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "store/VersionCheck.h"

#include <QDir>

namespace BackupFlow {

namespace {

QString backupFolder(const Settings &settings)
{
    return QDir(settings.programPath()).filePath(QStringLiteral("Backup"));
}

} // namespace

QString helpPage()
{
    return QStringLiteral("backup.htm");
}

QString backupIntroText()
{
    return QStringLiteral("A következő ablakban kiválaszthatja hová akar menteni");
}

QString backupCancelledText()
{
    return QStringLiteral("A mentés sikertelen!\rA felhasználó által leállítva");
}

QString checkQuestionText()
{
    return QStringLiteral("Elvégezzem a mentés ellenőrzését?\rAz ellenőrzés elvégzése erősen ajánlott!");
}

QString restoreIntroText()
{
    return QStringLiteral("A következő ablakban válassza ki a mentési fájlt!\rFigyelem! Ez a művelet nem vonható "
                          "vissza! Folytatja?");
}

QString restoreCancelledText()
{
    return QStringLiteral("A visszatöltés sikertelen!\rA felhasználó által leállítva");
}

QString fullRestoreEndText()
{
    return QStringLiteral("A teljes adatbázis vissza lett töltve. A program kilép!\rÚjraindításkor a felhasználók és a "
                          "raktárak a visszatöltött adatbázisból lesznek beolvasva.");
}

Outcome backup(const Services &services, int warehouse, const HelpOpener &help)
{
    Messenger &messenger = services.messenger;
    const int answer = messenger.showMessage(QStringLiteral("Információ"), Symbol::Information, backupIntroText(),
        QStringLiteral("OK"), QStringLiteral("Mégse"), QStringLiteral("Súgó"));
    if (answer == MsgResult::Help) {
        if (help)
            help(helpPage());
        return Outcome::Cancelled;
    }
    if (answer != MsgResult::Ok) {
        Refusal::warning(backupCancelledText()).show(messenger);
        return Outcome::Cancelled;
    }
    Backup::makePrivateFolder(backupFolder(services.settings));
    const QString archive = services.files.saveFileName(QStringLiteral("Salvia mentés készítése"),
        backupFolder(services.settings), QStringLiteral("ZIP csomagolt fájl (*.zip) |*.zip"), QStringLiteral("zip"));
    if (archive.isEmpty())
        return Outcome::Cancelled;

    messenger.showProgress(QStringLiteral("Mentés készítése folyamatban..."));
    const Refusal written = Backup::write(services.settings.dbPath(), warehouse, archive);
    messenger.hideProgress();
    if (written) {
        written.show(messenger);
        return Outcome::Failed;
    }
    if (messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question, checkQuestionText(), QStringLiteral("Igen"),
            QStringLiteral("Nem"))
        != MsgResult::Yes) {
        Refusal::information(Backup::unverifiedText()).show(messenger);
        return Outcome::Done;
    }
    messenger.showProgress(QStringLiteral("Ellenőrzés folyamatban..."));
    const Refusal checked = Backup::check(archive);
    messenger.hideProgress();
    if (checked) {
        checked.show(messenger);
        return Outcome::Failed;
    }
    Refusal::information(Backup::verifiedText()).show(messenger);
    return Outcome::Done;
}

Outcome restore(const Services &services, int warehouse, const HelpOpener &help)
{
    Messenger &messenger = services.messenger;
    const int answer = messenger.showMessage(QStringLiteral("Információ"), Symbol::Information, restoreIntroText(),
        QStringLiteral("Igen"), QStringLiteral("Nem"), QStringLiteral("Súgó"));
    if (answer == MsgResult::Help) {
        if (help)
            help(helpPage());
        return Outcome::Cancelled;
    }
    if (answer != MsgResult::Yes) {
        Refusal::warning(restoreCancelledText()).show(messenger);
        return Outcome::Cancelled;
    }
    const QString archive = services.files.openFileName(QStringLiteral("Salvia mentés visszatöltése"),
        backupFolder(services.settings), QStringLiteral("ZIP csomagolt fájl (*.zip) |*.ZIP|Minden fájl (*.*)|*.*"));
    if (archive.isEmpty())
        return Outcome::Cancelled;

    Restore::Request request;
    request.location = services.settings.dbPath();
    request.warehouse = warehouse;
    request.archive = archive;
    request.safetyArchive = QDir(backupFolder(services.settings)).filePath(QStringLiteral("DBBackup.zip"));
    messenger.showProgress(QStringLiteral("Visszatöltés folyamatban..."));
    const Refusal refused = Restore::run(request);
    messenger.hideProgress();
    if (refused) {
        refused.show(messenger);
        return Outcome::Failed;
    }
    Refusal::information(Restore::successText()).show(messenger);
    VersionCheck::run(messenger, services.settings.dbPath(), services.settings.dbMinVer());
    return Outcome::Done;
}

} // namespace BackupFlow
