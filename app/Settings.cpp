#include "app/Settings.h"

#include "core/IniFile.h"

#include <QDir>

Settings::Settings() = default;

QString Settings::iniPath() const
{
    if (!m_iniPath.isEmpty())
        return m_iniPath;
    return QDir(m_programPath).filePath(QStringLiteral("salvia.ini"));
}

QString Settings::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    IniFile ini(iniPath());
    ini.load();
    return ini.value(section, key, defaultValue);
}

int Settings::readInt(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

double Settings::readNumber(const QString &section, const QString &key, double defaultValue) const
{
    QString text = readString(section, key).trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : defaultValue;
}

QDate Settings::readDate(const QString &section, const QString &key, const QDate &defaultValue) const
{
    const QDate value = QDate::fromString(readString(section, key).trimmed(), Qt::ISODate);
    return value.isValid() ? value : defaultValue;
}

bool Settings::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key).trimmed().toInt(&ok);
    return ok ? value != 0 : defaultValue;
}

void Settings::writeString(const QString &section, const QString &key, const QString &value)
{
    IniFile ini(iniPath());
    ini.load();
    ini.setValue(section, key, value);
    ini.save();
}

void Settings::writeInt(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void Settings::writeNumber(const QString &section, const QString &key, double value)
{
    writeString(section, key, QString::number(value));
}

void Settings::writeDate(const QString &section, const QString &key, const QDate &value)
{
    writeString(section, key, value.toString(Qt::ISODate));
}

void Settings::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
