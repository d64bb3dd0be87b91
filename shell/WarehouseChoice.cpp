#include "shell/WarehouseChoice.h"

#include "core/Messenger.h"
#include "core/Refusal.h"
#include "session/Settings.h"
#include "session/WarehouseNames.h"
#include "shell/StartupPrompts.h"
#include "store/Database.h"

namespace WarehouseChoice {

QString missingText(const QString &name)
{
    return QStringLiteral("A(z) \"") + name
        + QStringLiteral("\" raktár hiányzik az adatbázisból, ebben nem lehet dolgozni!\rVálasszon másik raktárat.");
}

void choose(Settings &settings, StartupPrompts &prompts, const QString &dbPath, Messenger &messenger,
    const QList<int> &missing)
{
    const QStringList list = WarehouseNames::all(Database::shared(dbPath));
    int firstWhole = -1;
    for (int i = 0; i < list.size() && firstWhole < 0; ++i) {
        if (!missing.contains(i + 1))
            firstWhole = i;
    }
    int chosen = -1;
    // An empty list, or one without a whole warehouse, leaves nothing to choose; the caller ends
    // the program.
    if (firstWhole >= 0) {
        constexpr int Attempts = 3;
        for (int attempt = 0; attempt < Attempts; ++attempt) {
            chosen = prompts.chooseWarehouse(list);
            if (chosen < 0 || chosen >= list.size())
                chosen = 0;
            if (!missing.contains(chosen + 1))
                break;
            Refusal::warning(missingText(list.at(chosen))).show(messenger);
            chosen = firstWhole;
        }
    }
    settings.setAktivRaktar(chosen + 1);
    settings.setAktivRaktarNev(chosen >= 0 ? list.at(chosen) : QString());
    settings.setDbPath(dbPath);
}

} // namespace WarehouseChoice
