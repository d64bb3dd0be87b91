#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The menu commands of the "A La Carte" menu (the menu items' names).
namespace AlacarteCommands {
inline const QString DishGroups = QStringLiteral("telcsoportok1");
inline const QString DishPrices = QStringLiteral("telberazs1");
inline const QString DailyMenu = QStringLiteral("Napitlapmegadsa1");
inline const QString RationSheet = QStringLiteral("Kiszabat2");
} // namespace AlacarteCommands

void registerAlacarteCommands(CommandRegistry &registry, const Services &services);
