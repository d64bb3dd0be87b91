#include "maintenance/ui/MaintenanceCommands.h"

#include "core/Refusal.h"
#include "maintenance/BackupFlow.h"
#include "maintenance/ClosingFlow.h"
#include "maintenance/ui/frmHibariport.h"
#include "maintenance/ui/frmNapzaras.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/CommandRegistry.h"
#include "widgets/UiHelp.h"

void registerMaintenanceCommands(CommandRegistry &registry, const Services &services)
{
    const BackupFlow::HelpOpener help = [&registry, &services](const QString &page) {
        showHelp(registry.screenParent(), services.settings, services.messenger, page);
    };
    registry.registerScreen(MaintenanceCommands::MonthClosing, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmNapzaras>(services, Connections::activeWarehouse(services), parent);
    });
    registry.registerScreen(MaintenanceCommands::ErrorReport, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmHibariport>(services, parent);
    });
    registry.registerAction(MaintenanceCommands::YearClosing, [&registry, &services] {
        if (ClosingFlow::closeYear(services) == ClosingFlow::Outcome::Closed)
            registry.endProgram();
    });
    registry.registerAction(MaintenanceCommands::PhysicalClosing, [&services, help] {
        ClosingFlow::closePhysically(services, help);
    });
    registry.registerAction(MaintenanceCommands::WarehouseBackup, [&services, help] {
        BackupFlow::backup(services, services.settings.aktivRaktar(), help);
    });
    registry.registerAction(MaintenanceCommands::DatabaseBackup, [&services, help] {
        BackupFlow::backup(services, 0, help);
    });
    registry.registerAction(MaintenanceCommands::WarehouseRestore, [&services, help] {
        BackupFlow::restore(services, services.settings.aktivRaktar(), help);
    });
    registry.registerAction(MaintenanceCommands::DatabaseRestore, [&registry, &services, help] {
        if (BackupFlow::restore(services, 0, help) != BackupFlow::Outcome::Done)
            return;
        Refusal::information(BackupFlow::fullRestoreEndText()).show(services.messenger);
        registry.endProgram();
    });
}
