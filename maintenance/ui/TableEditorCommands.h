#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The name of the table editor's menu command (superuser level only, by the menu rights).
namespace TableEditorCommands {
inline const QString TableEditor = QStringLiteral("blaszerkeszt1");
} // namespace TableEditorCommands

void registerTableEditorCommands(CommandRegistry &registry, const Services &services);
