#include "master/ui/MasterCommands.h"

#include "master/ui/frmTallozasAnyag.h"
#include "master/ui/frmTallozasKodtar.h"
#include "master/ui/frmTallozasPartner.h"
#include "widgets/CommandRegistry.h"

void registerMasterCommands(CommandRegistry &registry, const Services &services)
{
    const std::pair<QString, CodeTableId> codeTables[] = {{MasterCommands::LedgerAccounts, CodeTableId::LedgerAccounts},
        {MasterCommands::MovementTypes, CodeTableId::MovementTypes}, {MasterCommands::VatRates, CodeTableId::VatRates},
        {MasterCommands::Units, CodeTableId::Units}, {MasterCommands::Allergens, CodeTableId::Allergens},
        {MasterCommands::LossCodes, CodeTableId::LossCodes}, {MasterCommands::MealNorms, CodeTableId::MealNorms},
        {MasterCommands::MealTypes, CodeTableId::MealTypes}, {MasterCommands::Meals, CodeTableId::Meals},
        {MasterCommands::Warehouses, CodeTableId::Warehouses}};
    for (const auto &[command, id] : codeTables) {
        registry.registerScreen(command, [&services, id = id](QWidget *parent) {
            return std::unique_ptr<QDialog>(new TfrmTallozasKodtar(services, id, parent));
        });
    }
    registry.registerScreen(MasterCommands::Partners, [&services](QWidget *parent) {
        return std::unique_ptr<QDialog>(new TfrmTallozasPartner(services, parent));
    });
    registry.registerScreen(MasterCommands::Materials, [&services](QWidget *parent) {
        return std::unique_ptr<QDialog>(new TfrmTallozasAnyag(services, parent));
    });
}
