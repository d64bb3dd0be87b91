#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The names of the transfer room's menu commands.
namespace TransferCommands {
inline const QString DosImport = QStringLiteral("Adatbziskonverter2");
inline const QString UviExport = QStringLiteral("VIadatexportls1");
} // namespace TransferCommands

// The DOS import and the UVI export.
void registerTransferCommands(CommandRegistry &registry, const Services &services);
