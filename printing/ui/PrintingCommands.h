#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The names of the printing room's menu commands.
namespace PrintingCommands {
inline const QString PrintFromFile = QStringLiteral("Nyomtatsfjlbl1");
} // namespace PrintingCommands

// Printing a saved printout file.
void registerPrintingCommands(CommandRegistry &registry, const Services &services);
