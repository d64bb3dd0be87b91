#include "menu/ui/MenuCommands.h"

#include "menu/ui/frmTallozasEtlap.h"
#include "menu/ui/frmTallozasLetszam.h"
#include "widgets/CommandRegistry.h"

void registerMenuCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(MenuCommands::DailyMenu,
        [&services](QWidget *parent) { return std::unique_ptr<QDialog>(new TfrmTallozasEtlap(services, parent)); });
    registry.registerScreen(MenuCommands::Headcount,
        [&services](QWidget *parent) { return std::unique_ptr<QDialog>(new TfrmTallozasLetszam(services, parent)); });
}
