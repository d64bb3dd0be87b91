#include "reports/ui/ReportCommands.h"

#include "reports/ui/frmLekAnyag.h"
#include "reports/ui/frmLekLeltar.h"
#include "reports/ui/frmLekLeltarHason.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "store/Database.h"
#include "widgets/CommandRegistry.h"

namespace {

QSqlDatabase warehouseOf(const Services &services)
{
    return Database::warehouse(services.settings.dbPath(), services.settings.aktivRaktar());
}

} // namespace

void registerReportCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(ReportCommands::MaterialCard, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmLekAnyag>(services, warehouseOf(services), parent);
    });
    registry.registerScreen(ReportCommands::InventoryList, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmLekLeltar>(services, warehouseOf(services), false, parent);
    });
    registry.registerScreen(
        ReportCommands::BlankInventorySheet, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmLekLeltar>(services, warehouseOf(services), true, parent);
        });
    registry.registerScreen(
        ReportCommands::InventoryDifference, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmLekLeltarHason>(services, warehouseOf(services), false, parent);
        });
}
