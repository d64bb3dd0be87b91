#include "menu/ui/RationCommands.h"

#include "menu/RationDayDeletion.h"
#include "menu/RationStockAtDate.h"
#include "menu/ui/frmKiszabatTorles.h"
#include "menu/ui/frmLekTallozasKiszabat.h"
#include "menu/ui/frmTallozasKiszabat.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/CommandRegistry.h"

namespace {

QSqlDatabase warehouse(const Services &services)
{
    return Connections::activeWarehouse(services);
}

StockOptions stockOptions(const Services &services)
{
    return StockOptions {services.settings.loginUser(), services.settings.kiadAr()};
}

} // namespace

void registerRationCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(
        RationCommands::RationSheet,
        [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            QSqlDatabase db = warehouse(services);
            auto stock = std::make_shared<RationStockAtDate>(db, services.settings.munkaEv().toInt());
            return std::make_unique<TfrmTallozasKiszabat>(services, db, stock, stockOptions(services), parent);
        },
        [](QDialog *screen) {
            auto *sheet = static_cast<TfrmTallozasKiszabat *>(screen);
            if (sheet->start())
                sheet->exec();
        });
    registry.registerScreen(
        RationCommands::Planning,
        [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<TfrmLekTallozasKiszabat>(services, warehouse(services), parent);
        },
        [](QDialog *screen) {
            auto *planning = static_cast<TfrmLekTallozasKiszabat *>(screen);
            if (planning->start())
                planning->exec();
        });
    registry.registerScreen(RationCommands::DayDeletion, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        QSqlDatabase db = warehouse(services);
        return std::make_unique<TfrmKiszabatTorles>(
            services, [db](const QDate &date) { return RationDayDeletion::issuedMeals(db, date).value; },
            [db, &services](const QDate &date) { return RationDayDeletion::remove(db, date, stockOptions(services)); },
            parent);
    });
}
