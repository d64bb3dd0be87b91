#include "master/ui/RecipeCommands.h"

#include "master/ui/frmTallozasRecept.h"
#include "widgets/CommandRegistry.h"

void registerRecipeCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(RecipeCommands::Recipes,
        [&services](QWidget *parent) { return std::unique_ptr<QDialog>(new TfrmTallozasRecept(services, parent)); });
}
