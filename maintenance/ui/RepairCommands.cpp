#include "maintenance/ui/RepairCommands.h"

#include "core/Messenger.h"
#include "maintenance/RepairDatabase.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "store/StatementWatchdog.h"
#include "widgets/CommandRegistry.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"

#include <QCoreApplication>

namespace {

void repair(CommandRegistry &registry, const Services &services, const std::function<void()> &stockComparison)
{
    Messenger &messenger = services.messenger;
    const int answer = messenger.showMessage(QStringLiteral("Információ"), 3, RepairDatabase::questionText(),
        QStringLiteral("OK"), QStringLiteral("Mégse"), QStringLiteral("Súgó"));
    if (answer == buttonResult(QStringLiteral("Súgó")))
        showHelp(registry.screenParent(), services.settings, messenger, QStringLiteral("AdatbJav.htm"));
    if (answer != buttonResult(QStringLiteral("OK")))
        return;
    messenger.showProgress(RepairDatabase::noticeText());
    const auto repaired = RepairDatabase::run(Connections::activeWarehouse(services), services.settings.aktivRaktar(),
        StatementWatchdog::DefaultLimitMs, [&messenger](const QString &table) {
            messenger.setProgressText(RepairDatabase::noticeText(table));
            QCoreApplication::processEvents();
        });
    messenger.hideProgress();
    if (showRefusal(registry.screenParent(), messenger, repaired.refusal))
        return;
    messenger.showMessage(QStringLiteral("Információ"), 4, RepairDatabase::successText(), QStringLiteral("OK"));
    if (messenger.showMessage(QStringLiteral("Kérdés"), 4, RepairDatabase::stockCheckQuestion(), QStringLiteral("Igen"),
            QStringLiteral("Nem"))
        == buttonResult(QStringLiteral("Igen"))) {
        stockComparison();
    }
}

} // namespace

void registerRepairCommands(CommandRegistry &registry, const Services &services, std::function<void()> stockComparison)
{
    registry.registerAction(RepairCommands::DatabaseRepair,
        [&registry, services, stockComparison] { repair(registry, services, stockComparison); });
}
