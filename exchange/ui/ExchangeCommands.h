#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The names of the exchange room's menu commands.
namespace ExchangeCommands {
inline const QString UpdateCheck = QStringLiteral("Frisstsellenrzseazinterneten1");
} // namespace ExchangeCommands

// The update check; an accepted newer version ends the program without the exit question.
void registerExchangeCommands(CommandRegistry &registry, const Services &services);
