#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The main-menu command of the recipes, by the menu item's name.
namespace RecipeCommands {
inline const QString Recipes = QStringLiteral("Receptek1"); // "Étel törzs"
} // namespace RecipeCommands

void registerRecipeCommands(CommandRegistry &registry, const Services &services);
