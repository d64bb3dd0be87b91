#pragma once

#include <QString>

#include <functional>

class CommandRegistry;
struct Services;

// The names of the repair's menu commands.
namespace RepairCommands {
inline const QString DatabaseRepair = QStringLiteral("Indexjavt1");
} // namespace RepairCommands

// The database repair of the active warehouse; `stockComparison` opens the inventory difference
// screen in its stock-comparison mode when the user asks for it after a repair.
void registerRepairCommands(CommandRegistry &registry, const Services &services, std::function<void()> stockComparison);
