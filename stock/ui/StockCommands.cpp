#include "stock/ui/StockCommands.h"

#include "session/Connections.h"
#include "session/Services.h"
#include "stock/ui/frmKibizTorles.h"
#include "stock/ui/frmRaktarBevitel.h"
#include "stock/ui/frmRaktarKivetel.h"
#include "stock/ui/frmRaktarMod.h"
#include "widgets/CommandRegistry.h"

namespace {

void registerCorrection(
    CommandRegistry &registry, const Services &services, const QString &command, TfrmRaktarMod::Mode mode)
{
    registry.registerScreen(command, [&services, mode](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmRaktarMod>(services, Connections::activeWarehouse(services), mode, parent);
    });
}

} // namespace

void registerStockCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(
        StockCommands::Receipt,
        [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmRaktarBevitel>(services, Connections::activeWarehouse(services), parent);
        },
        [](QDialog *screen) { static_cast<TfrmRaktarBevitel *>(screen)->runNew(); });
    registry.registerScreen(
        StockCommands::Issue,
        [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmRaktarKivetel>(services, Connections::activeWarehouse(services), parent);
        },
        [](QDialog *screen) { static_cast<TfrmRaktarKivetel *>(screen)->runNew(); });
    registerCorrection(registry, services, StockCommands::ReceiptChange, TfrmRaktarMod::Mode::ReceiptChange);
    registerCorrection(registry, services, StockCommands::ReceiptDelete, TfrmRaktarMod::Mode::ReceiptDelete);
    registerCorrection(registry, services, StockCommands::IssueChange, TfrmRaktarMod::Mode::IssueChange);
    registerCorrection(registry, services, StockCommands::IssueDelete, TfrmRaktarMod::Mode::IssueDelete);
    registry.registerScreen(
        StockCommands::IssueVoucherDelete, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmKibizTorles>(services, Connections::activeWarehouse(services), parent);
        });
}
