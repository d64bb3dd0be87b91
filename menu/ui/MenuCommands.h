#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The main-menu commands of menu planning, by the menu items' names.
namespace MenuCommands {
inline const QString DailyMenu = QStringLiteral("tlapkszts1"); // "Napi étlap megadása"
inline const QString Headcount = QStringLiteral("Ltszmfelvitele1"); // "Napi étkezési létszám"
} // namespace MenuCommands

void registerMenuCommands(CommandRegistry &registry, const Services &services);
