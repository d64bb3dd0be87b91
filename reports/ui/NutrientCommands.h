#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The menu commands of the nutrient calculations and the menu printouts, by the names of their
// menu items.
namespace NutrientCommands {

inline const QString Grouped = QStringLiteral("nylegestpanyag1");
inline const QString Detailed = QStringLiteral("nylegestpanyagrszletes1");

} // namespace NutrientCommands

// Registers the grouped and the detailed nutrient calculation (under "Lekérdezés -> Tápanyag
// számítás", with that menu's access levels), each opened on the active warehouse, and lets the
// ration sheet open both over the sheet being prepared.
void registerNutrientCommands(CommandRegistry &registry, const Services &services);
