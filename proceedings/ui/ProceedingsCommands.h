#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The names of the records-of-proceedings room's menu commands.
namespace ProceedingsCommands {
inline const QString TextEditor = QStringLiteral("Szvegszerkeszt1");
} // namespace ProceedingsCommands

// The text editor.
void registerProceedingsCommands(CommandRegistry &registry, const Services &services);
