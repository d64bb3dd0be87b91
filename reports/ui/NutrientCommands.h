#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The menu commands of the nutrient calculations and the menu printouts, by the names of their
// menu items.
namespace NutrientCommands {

inline const QString Grouped = QStringLiteral("nylegestpanyag1");
inline const QString Detailed = QStringLiteral("nylegestpanyagrszletes1");
inline const QString WeeklyMenu = QStringLiteral("tlaphetinyomtatsa1");
inline const QString CartWeeklyMenu = QStringLiteral("Hetitlapnyomtats1"); // under "A La Carte"
inline const QString MenuList = QStringLiteral("Hetilistatlapnyomtats1");
inline const QString Variety = QStringLiteral("Vltozatossgimutat1");

} // namespace NutrientCommands

// Registers the grouped and the detailed nutrient calculation, the weekly menu, the menu list and
// the variety index (under "Lekérdezés", with that menu's access levels), the a-la-carte weekly
// menu (under "A La Carte"), each opened on the
// active warehouse, and lets the ration sheet open both nutrient calculations over the sheet
// being prepared.
void registerNutrientCommands(CommandRegistry &registry, const Services &services);
