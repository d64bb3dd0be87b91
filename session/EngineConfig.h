#pragma once

#include "core/Refusal.h"

#include <QString>

// The database engine's configuration: which directory the alias "Salvia" names, and the shared
// network directory. It is the program's own INI file, ProgramPath + "/salvia_db.ini", kept apart
// from salvia.ini because it belongs to the installation, not to the user's options. An entry is
// addressed as a configuration path, ";" and an entry name, e.g. "\DRIVERS\PARADOX\INIT\;NET DIR";
// the path is the file's section, the entry its key. The file is read at each call.
class EngineConfig
{
public:
    explicit EngineConfig(const QString &programPath);

    static QString fileName() { return QStringLiteral("salvia_db.ini"); }
    QString filePath() const;

    // The shared network control directory.
    static QString netDirEntry() { return QStringLiteral("\\DRIVERS\\PARADOX\\INIT\\;NET DIR"); }
    // The entry that holds an alias's directory: "\DATABASES\" + alias + "\DB INFO\;PATH".
    static QString aliasPathEntry(const QString &alias);

    // The value of the entry, empty when the entry is missing; a text without ";" is refused.
    Checked<QString> readValue(const QString &pathAndEntry) const;
    // Writes the value of an existing entry and flushes the file; a missing entry is refused.
    // The network directory and the "Salvia" alias's path always exist (with their defaults).
    Checked<QString> writeValue(const QString &pathAndEntry, const QString &value);

    // The directory that the alias names; a relative one is taken from the program directory.
    // "Salvia" with no (or an empty) entry names ProgramPath + "/adatbazis"; an unknown alias
    // names nothing.
    QString aliasDirectory(const QString &alias) const;
    QString defaultDatabaseDirectory() const;

    QString netDir() const { return readValue(netDirEntry()).value; }

    static QString badParameterText();
    static QString missingEntryText(const QString &pathAndEntry);
    static QString cannotWriteText(const QString &filePath);

private:
    struct Address
    {
        QString section;
        QString key;
    };
    static bool split(const QString &pathAndEntry, Address &address);
    bool hasDefault(const Address &address, QString *value = nullptr) const;

    QString m_programPath;
};
