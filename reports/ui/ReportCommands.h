#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The menu commands of the stock reports, by the names of their menu items.
namespace ReportCommands {

inline const QString MaterialCard = QStringLiteral("Anyagkarton1");
inline const QString InventoryList = QStringLiteral("Leltr1");
inline const QString BlankInventorySheet = QStringLiteral("resleltrvnyomtatsa1");
inline const QString InventoryDifference = QStringLiteral("Leltrklmbzet1");

} // namespace ReportCommands

// Registers the material card, the inventory list, the blank inventory sheet and the inventory
// difference, each opened on the active warehouse. They lie under "&Lekérdezés", open to every
// access level.
void registerReportCommands(CommandRegistry &registry, const Services &services);
