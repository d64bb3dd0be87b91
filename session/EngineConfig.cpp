#include "session/EngineConfig.h"

#include "core/IniFile.h"

#include <QDir>

EngineConfig::EngineConfig(const QString &programPath)
    : m_programPath(programPath)
{
}

QString EngineConfig::filePath() const
{
    return QDir(m_programPath).filePath(fileName());
}

QString EngineConfig::aliasPathEntry(const QString &alias)
{
    return QStringLiteral("\\DATABASES\\") + alias + QStringLiteral("\\DB INFO\\;PATH");
}

QString EngineConfig::badParameterText()
{
    return QStringLiteral("Hibás paraméter társítva a függvényhez. Pontosvesszővel tagolt karakterlánc szükséges!");
}

QString EngineConfig::missingEntryText(const QString &pathAndEntry)
{
    return pathAndEntry + QStringLiteral(" bejegyzés nem található a konfigurációs fájlban");
}

QString EngineConfig::cannotWriteText(const QString &filePath)
{
    return QStringLiteral("A konfigurációs fájl nem írható: ") + QDir::toNativeSeparators(filePath);
}

QString EngineConfig::defaultDatabaseDirectory() const
{
    return QDir(m_programPath).filePath(QStringLiteral("adatbazis"));
}

// "\A\B\;ENTRY" -> section "\A\B\", key "ENTRY". The path is given with or without its outer
// backslashes; the entry name is what follows the last ";".
bool EngineConfig::split(const QString &pathAndEntry, Address &address)
{
    const qsizetype semicolon = pathAndEntry.lastIndexOf(QLatin1Char(';'));
    if (semicolon < 0)
        return false;
    QString path = pathAndEntry.left(semicolon).trimmed();
    if (!path.startsWith(QLatin1Char('\\')))
        path.prepend(QLatin1Char('\\'));
    if (!path.endsWith(QLatin1Char('\\')))
        path.append(QLatin1Char('\\'));
    address.section = path;
    address.key = pathAndEntry.mid(semicolon + 1).trimmed();
    return true;
}

bool EngineConfig::hasDefault(const Address &address, QString *value) const
{
    QString found;
    Address netDir;
    Address salviaPath;
    split(netDirEntry(), netDir);
    split(aliasPathEntry(QStringLiteral("Salvia")), salviaPath);
    const auto same = [&address](const Address &other) {
        return address.section.compare(other.section, Qt::CaseInsensitive) == 0
            && address.key.compare(other.key, Qt::CaseInsensitive) == 0;
    };
    if (same(netDir))
        found = QString();
    else if (same(salviaPath))
        found = defaultDatabaseDirectory();
    else
        return false;
    if (value != nullptr)
        *value = found;
    return true;
}

Checked<QString> EngineConfig::readValue(const QString &pathAndEntry) const
{
    Address address;
    if (!split(pathAndEntry, address))
        return Checked<QString>::refused(Refusal::error(badParameterText()));
    if (address.key.isEmpty())
        return Checked<QString>::accepted(QString());
    IniFile ini(filePath());
    ini.load();
    if (ini.contains(address.section, address.key))
        return Checked<QString>::accepted(ini.value(address.section, address.key));
    QString preset;
    hasDefault(address, &preset);
    return Checked<QString>::accepted(preset);
}

Checked<QString> EngineConfig::writeValue(const QString &pathAndEntry, const QString &value)
{
    Address address;
    if (!split(pathAndEntry, address))
        return Checked<QString>::refused(Refusal::error(badParameterText()));
    IniFile ini(filePath());
    if (!ini.load())
        return Checked<QString>::refused(Refusal::error(cannotWriteText(filePath())));
    if (address.key.isEmpty() || (!ini.contains(address.section, address.key) && !hasDefault(address)))
        return Checked<QString>::refused(Refusal::error(missingEntryText(pathAndEntry)));
    ini.setValue(address.section, address.key, value);
    if (!ini.save())
        return Checked<QString>::refused(Refusal::error(cannotWriteText(filePath())));
    return Checked<QString>::accepted(value);
}

QString EngineConfig::aliasDirectory(const QString &alias) const
{
    const QString stored = readValue(aliasPathEntry(alias)).value.trimmed();
    if (stored.isEmpty())
        return alias.compare(QLatin1String("Salvia"), Qt::CaseInsensitive) == 0 ? defaultDatabaseDirectory()
                                                                                : QString();
    // A server address (scheme://...) is passed on as it is.
    if (stored.contains(QLatin1String("://")))
        return stored;
    return QDir::cleanPath(QDir(m_programPath).absoluteFilePath(QDir::fromNativeSeparators(stored)));
}
