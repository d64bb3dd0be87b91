#include "stock/ui/StockCommands.h"

#include "reports/ui/frmLekAnyag.h"
#include "reports/ui/frmLekLeltar.h"
#include "reports/ui/frmLekLeltarHason.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/ui/frmKibizTorles.h"
#include "stock/ui/frmRaktarBevitel.h"
#include "stock/ui/frmRaktarKivetel.h"
#include "stock/ui/frmRaktarMod.h"
#include "widgets/CommandRegistry.h"

namespace {

QSqlDatabase warehouseOf(const Services &services)
{
    return Connections::activeWarehouse(services);
}

void registerCorrection(
    CommandRegistry &registry, const Services &services, const QString &command, TfrmRaktarMod::Mode mode)
{
    registry.registerScreen(command, [&services, mode](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmRaktarMod>(services, warehouseOf(services), mode, parent);
    });
}

} // namespace

void registerStockCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(
        StockCommands::Receipt,
        [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmRaktarBevitel>(services, warehouseOf(services), parent);
        },
        [](QDialog *screen) { static_cast<TfrmRaktarBevitel *>(screen)->runNew(); });
    registry.registerScreen(
        StockCommands::Issue,
        [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmRaktarKivetel>(services, warehouseOf(services), parent);
        },
        [](QDialog *screen) { static_cast<TfrmRaktarKivetel *>(screen)->runNew(); });
    registerCorrection(registry, services, StockCommands::ReceiptChange, TfrmRaktarMod::Mode::ReceiptChange);
    registerCorrection(registry, services, StockCommands::ReceiptDelete, TfrmRaktarMod::Mode::ReceiptDelete);
    registerCorrection(registry, services, StockCommands::IssueChange, TfrmRaktarMod::Mode::IssueChange);
    registerCorrection(registry, services, StockCommands::IssueDelete, TfrmRaktarMod::Mode::IssueDelete);
    registry.registerScreen(StockCommands::MaterialCard, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmLekAnyag>(services, warehouseOf(services), parent);
    });
    registry.registerScreen(StockCommands::InventoryList, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmLekLeltar>(services, warehouseOf(services), false, parent);
    });
    registry.registerScreen(
        StockCommands::BlankInventorySheet, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmLekLeltar>(services, warehouseOf(services), true, parent);
        });
    registry.registerScreen(
        StockCommands::InventoryDifference, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmLekLeltarHason>(services, warehouseOf(services), false, parent);
        });
    registry.registerScreen(
        StockCommands::IssueVoucherDelete, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmKibizTorles>(services, warehouseOf(services), parent);
        });
}
