#include "reports/ui/NutrientCommands.h"

#include "menu/ui/RationNutrientScreens.h"
#include "reports/ui/frmEtlapHeti.h"
#include "reports/ui/frmLekEtlapLista.h"
#include "reports/ui/frmLekTapCsop.h"
#include "reports/ui/frmLekTapReszl.h"
#include "reports/ui/frmLekValtozatossagi.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "widgets/CommandRegistry.h"

void registerNutrientCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(NutrientCommands::Grouped, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmLekTapCsop>(services, Connections::activeWarehouse(services), parent);
    });
    registry.registerScreen(NutrientCommands::Detailed, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmLekTapReszl>(services, Connections::activeWarehouse(services), parent);
    });
    registry.registerScreen(NutrientCommands::WeeklyMenu, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmEtlapHeti>(
            services, Connections::activeWarehouse(services), WeeklyMenuKind::Daily, parent);
    });
    registry.registerScreen(NutrientCommands::CartWeeklyMenu, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmEtlapHeti>(
            services, Connections::activeWarehouse(services), WeeklyMenuKind::ALaCarte, parent);
    });
    registry.registerScreen(NutrientCommands::MenuList, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmLekEtlapLista>(services, Connections::activeWarehouse(services), parent);
    });
    registry.registerScreen(NutrientCommands::Variety, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<TfrmLekValtozatossagi>(services, Connections::activeWarehouse(services), parent);
    });
    RationNutrientScreens::setOpener(
        [&services](RationNutrientScreens::Kind kind, const RationSheet &sheet, QWidget *parent) {
            const QSqlDatabase db = Connections::activeWarehouse(services);
            if (kind == RationNutrientScreens::Kind::Grouped) {
                TfrmLekTapCsopKisz screen(services, db, sheet.date(), sheet.meals(), sheet.lines(), parent);
                screen.exec();
            } else {
                TfrmLekTapReszlKisz screen(services, db, sheet.date(), sheet.meals(), sheet.lines(), parent);
                screen.exec();
            }
        });
}
