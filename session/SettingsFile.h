#pragma once

#include "session/SettingKeys.h"
#include "core/IniFile.h"
#include "core/Refusal.h"

#include <QDate>
#include <QString>

// salvia.ini read once: any number of keys are read from this one reading and changes are kept
// until save() writes them in one go. Values are parsed by the key table's types: booleans are
// stored as "1" and "0" and any non-zero number reads as on; numbers are written with the
// system's decimal separator and read with either "," or "."; dates are written as yyyy-MM-dd
// and "yyyy.MM.dd." is read too. A missing, unparsable or out-of-range value reads as the default.
class SettingsFile
{
public:
    explicit SettingsFile(const QString &path);

    // False when the file exists but cannot be read: every value reads as its default and
    // save() refuses rather than overwrite it.
    bool readable() const { return m_readable; }
    // The warning about an unreadable file; null when it could be read (or does not exist).
    Refusal unreadableWarning() const;

    QString text(SettingKey::Id id) const;
    bool flag(SettingKey::Id id) const;
    int whole(SettingKey::Id id) const;
    double number(SettingKey::Id id) const;
    // Date keys without a stored date read as `fallback`.
    QDate date(SettingKey::Id id, const QDate &fallback) const;

    // Refused (naming the value and focusing its field) when Windows-1250 cannot hold the text.
    Refusal setText(SettingKey::Id id, const QString &value);
    void setFlag(SettingKey::Id id, bool value);
    void setNumber(SettingKey::Id id, double value);

    // Any section and key: the keys with an index in their name and callers of the generic
    // access of Settings.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    bool writeString(const QString &section, const QString &key, const QString &value);

    // Writes every change at once.
    Refusal save() const;

    static bool parseFlag(const QString &stored, bool defaultValue);
    static bool parseNumber(const QString &stored, double &value);
    static bool parseWhole(const QString &stored, int &value);
    static QDate parseDate(const QString &stored);
    static QString numberText(double value);
    static QString dateText(const QDate &value);
    static QString flagText(bool value);
    static QString cannotWriteText(const QString &filePath);
    static QString unreadableText(const QString &filePath);
    static QString outsideCodePageText(const QString &label, const QString &characters);

private:
    QString stored(SettingKey::Id id) const;

    QString m_path;
    IniFile m_ini;
    bool m_readable = true;
};
