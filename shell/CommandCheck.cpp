#include "shell/CommandCheck.h"

#include "shell/MainMenuModel.h"

namespace CommandCheck {

const QStringList &unbuiltCommands()
{
    // One per line, so that each room removes its own as it builds them.
    static const QStringList names = {
        QStringLiteral("Hetitlapnyomtats1"),
    };
    return names;
}

QStringList problems(const QSet<QString> &registered, const QStringList &unknownRegistrations)
{
    QStringList found;
    const QStringList commands = MainMenuModel::commandNames();
    for (const QString &command : commands) {
        const bool unbuilt = unbuiltCommands().contains(command);
        if (!registered.contains(command) && !unbuilt)
            found << QStringLiteral("A menüparancshoz nincs bejegyzett parancs: ") + command;
        if (registered.contains(command) && unbuilt)
            found << QStringLiteral("Bejegyzett parancs a meg nem épített parancsok listáján: ") + command;
    }
    for (const QString &name : unbuiltCommands()) {
        if (!commands.contains(name))
            found << QStringLiteral("A meg nem épített parancsok listáján nem menüparancs áll: ") + name;
    }
    for (const QString &name : unknownRegistrations)
        found << QStringLiteral("Ismeretlen parancs bejegyzése: ") + name;
    return found;
}

} // namespace CommandCheck
