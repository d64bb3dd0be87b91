#pragma once

#include <QList>
#include <QString>

class Messenger;
class Settings;
class StartupPrompts;

// The choice of the warehouse (kitchen) to work in.
namespace WarehouseChoice {

// Fills the list from the shared tables of dbPath and lets the user choose (closing the dialog
// without "OK" chooses the first entry). A warehouse of `missing` (its folder is gone) cannot be
// chosen: the user is told and asked again, and in the end the first whole one is taken. Sets
// AktivRaktar (the position from 1, 0 when there is nothing to choose), AktivRaktarNev and DbPath.
void choose(Settings &settings, StartupPrompts &prompts, const QString &dbPath, Messenger &messenger,
    const QList<int> &missing = {});

// The message for a chosen warehouse whose folder is missing (caption "Figyelmeztetés").
QString missingText(const QString &name);

} // namespace WarehouseChoice
