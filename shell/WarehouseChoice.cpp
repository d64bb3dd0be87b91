#include "shell/WarehouseChoice.h"

#include "session/Settings.h"
#include "session/WarehouseNames.h"
#include "shell/StartupPrompts.h"
#include "store/Database.h"

namespace WarehouseChoice {

void choose(Settings &settings, StartupPrompts &prompts, const QString &dbPath)
{
    const QStringList list = WarehouseNames::all(Database::shared(dbPath));
    int chosen = -1;
    // An empty list leaves nothing to choose; the caller ends the program.
    if (!list.isEmpty()) {
        chosen = prompts.chooseWarehouse(list);
        if (chosen < 0 || chosen >= list.size())
            chosen = 0;
    }
    settings.setAktivRaktar(chosen + 1);
    settings.setAktivRaktarNev(chosen >= 0 ? list.at(chosen) : QString());
    settings.setDbPath(dbPath);
}

} // namespace WarehouseChoice
