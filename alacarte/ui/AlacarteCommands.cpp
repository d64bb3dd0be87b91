#include "alacarte/ui/AlacarteCommands.h"

#include "alacarte/ui/frmTallozasCartAr.h"
#include "alacarte/ui/frmTallozasCartCsop.h"
#include "alacarte/ui/frmTallozasCartEtlap.h"
#include "alacarte/ui/frmTallozasCartKiszabat.h"
#include "menu/RationStockAtDate.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/CommandRegistry.h"

void registerAlacarteCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(AlacarteCommands::DishGroups, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmTallozasCartCsop>(services, Connections::activeWarehouse(services), parent);
    });
    registry.registerScreen(
        AlacarteCommands::DishPrices,
        [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmTallozasCartAr>(services, Connections::activeWarehouse(services), parent);
        },
        [](QDialog *screen) {
            auto *prices = static_cast<TfrmTallozasCartAr *>(screen);
            prices->start();
            prices->exec();
        });
    registry.registerScreen(AlacarteCommands::DailyMenu, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmTallozasCartEtlap>(services, Connections::activeWarehouse(services), parent);
    });
    registry.registerScreen(
        AlacarteCommands::RationSheet,
        [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            QSqlDatabase db = Connections::activeWarehouse(services);
            auto stock = std::make_shared<RationStockAtDate>(db, services.settings.munkaEv().toInt());
            return std::make_unique<TfrmTallozasCartKiszabat>(
                services, db, stock, StockOptions {services.settings.loginUser(), services.settings.kiadAr()}, parent);
        },
        [](QDialog *screen) {
            auto *sheet = static_cast<TfrmTallozasCartKiszabat *>(screen);
            if (sheet->start())
                sheet->exec();
        });
}
