#include "session/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFiles {

namespace {

// The installed layout: <prefix>/bin/salvia and <prefix>/share/salvia.
const QString InstalledFromExecutable = QStringLiteral("../share/salvia");

QString describe(const QString &name)
{
    return name == helpFolderName() ? QStringLiteral("a súgó oldalait") : QStringLiteral("a képeket");
}

} // namespace

QString helpFolderName()
{
    return QStringLiteral("HtmlHelp");
}

QString picturesFolderName()
{
    return QStringLiteral("Pictures");
}

QStringList candidates(const QString &name, const QString &programPath, const QString &executableDir)
{
    const QDir installed(QDir(executableDir).filePath(InstalledFromExecutable));
    return {QDir::cleanPath(QDir(programPath).filePath(name)), QDir::cleanPath(QDir(executableDir).filePath(name)),
        QDir::cleanPath(installed.filePath(name))};
}

QString find(const QString &name, const QString &programPath, const QString &executableDir)
{
    for (const QString &place : candidates(name, programPath, executableDir)) {
        if (QFileInfo(place).isDir())
            return place;
    }
    return QString();
}

QString folder(const QString &name, const QString &programPath)
{
    const QString found = find(name, programPath, QCoreApplication::applicationDirPath());
    return found.isEmpty() ? QDir(programPath).filePath(name) : found;
}

QString missingText(const QString &programPath, const QString &executableDir)
{
    QStringList parts;
    for (const QString &name : {helpFolderName(), picturesFolderName()}) {
        if (!find(name, programPath, executableDir).isEmpty())
            continue;
        parts << QStringLiteral("A program nem találja ") + describe(name) + QStringLiteral(" (") + name
                + QStringLiteral(" mappa). Keresett helyek:\r")
                + candidates(name, programPath, executableDir).join(QLatin1Char('\r'));
    }
    return parts.join(QStringLiteral("\r\r"));
}

} // namespace ProgramFiles
