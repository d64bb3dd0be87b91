#pragma once

#include <QString>

class Settings;
class StartupPrompts;

// The choice of the warehouse (kitchen) to work in.
namespace WarehouseChoice {

// Fills the list from the shared tables of dbPath and lets the user choose (closing the dialog
// without "OK" chooses the first entry). Sets AktivRaktar (the position from 1, 0 when there is
// nothing to choose), AktivRaktarNev and DbPath.
void choose(Settings &settings, StartupPrompts &prompts, const QString &dbPath);

} // namespace WarehouseChoice
