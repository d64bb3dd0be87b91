#include "reports/ui/ReportCommands.h"

#include "reports/ui/frmLekAnyag.h"
#include "reports/ui/frmLekLeltar.h"
#include "reports/ui/frmLekLeltarHason.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "widgets/CommandRegistry.h"

void registerReportCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(ReportCommands::MaterialCard, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmLekAnyag>(services, Connections::activeWarehouse(services), parent);
    });
    registry.registerScreen(ReportCommands::InventoryList, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmLekLeltar>(services, Connections::activeWarehouse(services), false, parent);
    });
    registry.registerScreen(
        ReportCommands::BlankInventorySheet, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmLekLeltar>(services, Connections::activeWarehouse(services), true, parent);
        });
    registry.registerScreen(
        ReportCommands::InventoryDifference, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmLekLeltarHason>(services, Connections::activeWarehouse(services), false, parent);
        });
}
