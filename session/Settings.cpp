#include "session/Settings.h"

#include "core/Rounding.h"

#include <QDir>

Settings::Settings() = default;

QString Settings::iniPath() const
{
    if (!m_iniPath.isEmpty())
        return m_iniPath;
    return QDir(programPath()).filePath(QStringLiteral("salvia.ini"));
}

QString Settings::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return file().readString(section, key, defaultValue);
}

int Settings::readInt(const QString &section, const QString &key, int defaultValue) const
{
    int value = 0;
    return SettingsFile::parseWhole(readString(section, key), value) ? value : defaultValue;
}

double Settings::readNumber(const QString &section, const QString &key, double defaultValue) const
{
    double value = 0;
    return SettingsFile::parseNumber(readString(section, key), value) ? value : defaultValue;
}

QDate Settings::readDate(const QString &section, const QString &key, const QDate &defaultValue) const
{
    const QDate value = SettingsFile::parseDate(readString(section, key));
    return value.isValid() ? value : defaultValue;
}

bool Settings::writeString(const QString &section, const QString &key, const QString &value)
{
    SettingsFile settings = file();
    return settings.writeString(section, key, value) && settings.save().isNull();
}

bool Settings::writeInt(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool Settings::writeNumber(const QString &section, const QString &key, double value)
{
    return writeString(section, key, SettingsFile::numberText(value));
}

bool Settings::writeDate(const QString &section, const QString &key, const QDate &value)
{
    return writeString(section, key, SettingsFile::dateText(value));
}

bool Settings::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, SettingsFile::flagText(value));
}

bool Settings::setText(SettingKey::Id id, const QString &value)
{
    SettingsFile settings = file();
    return settings.setText(id, value).isNull() && settings.save().isNull();
}

bool Settings::setTapValt(bool value)
{
    SettingsFile settings = file();
    settings.setFlag(SettingKey::TapValt, value);
    return settings.save().isNull();
}

QString Settings::updateServer() const
{
    const QString value = text(SettingKey::UpdateServer).trimmed();
    return value.isEmpty() ? vendorServerAddress() : value;
}

int Settings::receptFo() const
{
    const SettingKey::Entry &key = SettingKey::entry(SettingKey::ReceptFo);
    const double persons = Rounding::round(readNumber(QLatin1String(key.section), QLatin1String(key.name),
                                               QString::fromUtf8(key.defaultValue).toDouble()),
        0);
    return persons >= key.lowest && persons <= key.highest ? int(persons) : QString::fromUtf8(key.defaultValue).toInt();
}

QString Settings::kiszabatEtk(int index) const
{
    return readString(QLatin1String(SettingKey::entry(SettingKey::KiszabatKezdDat).section),
        QStringLiteral("Etk-") + QString::number(index));
}

QString Settings::cartKiszabatCsop(int index) const
{
    return readString(QLatin1String(SettingKey::entry(SettingKey::CartKiszabatKezdDat).section),
        QStringLiteral("Csop-") + QString::number(index));
}
