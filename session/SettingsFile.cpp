#include "session/SettingsFile.h"

#include "core/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <cmath>

using SettingKey::entry;

SettingsFile::SettingsFile(const QString &path)
    : m_path(path)
    , m_ini(path)
{
    m_readable = m_ini.load();
}

QString SettingsFile::cannotWriteText(const QString &filePath)
{
    return QStringLiteral("A beállítások nem menthetők, a fájl nem írható:\r") + QDir::toNativeSeparators(filePath);
}

QString SettingsFile::unreadableText(const QString &filePath)
{
    return QStringLiteral("A beállítások fájlja nem olvasható, ezért az alapértékek érvényesek, és a program nem "
                          "írja felül:\r")
        + QDir::toNativeSeparators(filePath);
}

QString SettingsFile::outsideCodePageText(const QString &label, const QString &characters)
{
    return QStringLiteral("A(z) „") + label + QStringLiteral("” olyan karaktert tartalmaz, amely nem menthető: ")
        + characters + QStringLiteral("\rCserélje ki, és mentse újra!");
}

Refusal SettingsFile::unreadableWarning() const
{
    return m_readable ? Refusal() : Refusal::warning(unreadableText(m_path));
}

// A number written by any locale: "12,5" or "12.5", no group separators.
bool SettingsFile::parseNumber(const QString &stored, double &value)
{
    QString text = stored.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

bool SettingsFile::parseWhole(const QString &stored, int &value)
{
    bool ok = false;
    value = stored.trimmed().toInt(&ok);
    return ok;
}

bool SettingsFile::parseFlag(const QString &stored, bool defaultValue)
{
    double value = 0;
    return parseNumber(stored, value) ? value != 0 : defaultValue;
}

QDate SettingsFile::parseDate(const QString &stored)
{
    const QString text = stored.trimmed();
    QDate value = QDate::fromString(text, Qt::ISODate);
    if (!value.isValid())
        value = QDate::fromString(text, QStringLiteral("yyyy.MM.dd."));
    if (!value.isValid())
        value = QDate::fromString(text, QStringLiteral("yyyy.MM.dd"));
    return value;
}

QString SettingsFile::numberText(double value)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return text;
}

QString SettingsFile::dateText(const QDate &value)
{
    return value.toString(Qt::ISODate);
}

QString SettingsFile::flagText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString SettingsFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return m_ini.value(section, key, defaultValue);
}

bool SettingsFile::writeString(const QString &section, const QString &key, const QString &value)
{
    return m_ini.setValue(section, key, value);
}

QString SettingsFile::stored(SettingKey::Id id) const
{
    const SettingKey::Entry &key = entry(id);
    return m_ini.value(QLatin1String(key.section), QLatin1String(key.name), QString::fromUtf8(key.defaultValue));
}

QString SettingsFile::text(SettingKey::Id id) const
{
    return stored(id);
}

bool SettingsFile::flag(SettingKey::Id id) const
{
    return parseFlag(stored(id), parseFlag(QString::fromUtf8(entry(id).defaultValue), false));
}

// A value outside a key's range reads as the default.
static bool inRange(const SettingKey::Entry &key, double value)
{
    return key.lowest >= key.highest || (value >= key.lowest && value <= key.highest);
}

int SettingsFile::whole(SettingKey::Id id) const
{
    int defaultValue = 0;
    parseWhole(QString::fromUtf8(entry(id).defaultValue), defaultValue);
    int value = 0;
    return parseWhole(stored(id), value) && inRange(entry(id), value) ? value : defaultValue;
}

double SettingsFile::number(SettingKey::Id id) const
{
    double defaultValue = 0;
    parseNumber(QString::fromUtf8(entry(id).defaultValue), defaultValue);
    double value = 0;
    return parseNumber(stored(id), value) && inRange(entry(id), value) ? value : defaultValue;
}

QDate SettingsFile::date(SettingKey::Id id, const QDate &fallback) const
{
    const QDate value = parseDate(stored(id));
    return value.isValid() ? value : fallback;
}

Refusal SettingsFile::setText(SettingKey::Id id, const QString &value)
{
    const SettingKey::Entry &key = entry(id);
    const QString outside = TextCodec::outsideWindows1250(value);
    if (!outside.isEmpty())
        return Refusal::error(
            outsideCodePageText(QString::fromUtf8(key.label), outside), QString::fromUtf8(key.field));
    m_ini.setValue(QLatin1String(key.section), QLatin1String(key.name), value);
    return Refusal();
}

void SettingsFile::setFlag(SettingKey::Id id, bool value)
{
    m_ini.setValue(QLatin1String(entry(id).section), QLatin1String(entry(id).name), flagText(value));
}

void SettingsFile::setNumber(SettingKey::Id id, double value)
{
    m_ini.setValue(QLatin1String(entry(id).section), QLatin1String(entry(id).name), numberText(value));
}

Refusal SettingsFile::save() const
{
    if (!m_readable)
        return Refusal::error(unreadableText(m_path));
    if (!m_ini.save())
        return Refusal::error(cannotWriteText(m_path));
    return Refusal();
}
