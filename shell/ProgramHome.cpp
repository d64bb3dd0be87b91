#include "shell/ProgramHome.h"

#include <QDir>

namespace ProgramHome {

QString location(const QString &salviaHome, const QString &userHome)
{
    if (!salviaHome.isEmpty())
        return QDir::cleanPath(QDir::current().absoluteFilePath(salviaHome));
    return QDir::cleanPath(QDir(userHome).filePath(QStringLiteral("Salvia")));
}

QString location()
{
    return location(qEnvironmentVariable("SALVIA_HOME"), QDir::homePath());
}

Refusal enter(const QString &path)
{
    for (const QString &folder : {path, QDir(path).filePath(QStringLiteral("Backup")),
             QDir(path).filePath(QStringLiteral("szovegek"))}) {
        if (!QDir().mkpath(folder))
            return Refusal::error(QStringLiteral("A programkönyvtár nem hozható létre:\r") + folder);
    }
    if (!QDir::setCurrent(path))
        return Refusal::error(QStringLiteral("Nem lehet programkönyvtárat váltani!\r") + path);
    return Refusal();
}

} // namespace ProgramHome
