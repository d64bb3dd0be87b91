#include "shell/CommandCheck.h"

#include "shell/MainMenuModel.h"

namespace CommandCheck {

const QStringList &unbuiltCommands()
{
    // One per line, so that each room removes its own as it builds them.
    static const QStringList names = {};
    return names;
}

QStringList problems(const QSet<QString> &registered, const QStringList &unknownRegistrations, const QStringList &unbuilt)
{
    QStringList found;
    const QStringList commands = MainMenuModel::commandNames();
    for (const QString &command : commands) {
        const bool notBuilt = unbuilt.contains(command);
        if (!registered.contains(command) && !notBuilt)
            found << QStringLiteral("A menüparancshoz nincs bejegyzett parancs: ") + command;
        if (registered.contains(command) && notBuilt)
            found << QStringLiteral("Bejegyzett parancs a meg nem épített parancsok listáján: ") + command;
    }
    for (const QString &name : unbuilt) {
        if (!commands.contains(name))
            found << QStringLiteral("A meg nem épített parancsok listáján nem menüparancs áll: ") + name;
    }
    for (const QString &name : unknownRegistrations)
        found << QStringLiteral("Ismeretlen parancs bejegyzése: ") + name;
    return found;
}

} // namespace CommandCheck
