#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The menu commands of the ration sheet, planning and day deletion (the menu items' names).
namespace RationCommands {
inline const QString RationSheet = QStringLiteral("Kiszabat1");
inline const QString DayDeletion = QStringLiteral("Napikiszabattrls1");
inline const QString Planning = QStringLiteral("Anyagfelhasznlstervezs1");
} // namespace RationCommands

void registerRationCommands(CommandRegistry &registry, const Services &services);
