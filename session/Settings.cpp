#include "session/Settings.h"

#include "core/IniFile.h"
#include "core/Rounding.h"

#include <QDir>
#include <QLocale>
#include <cmath>

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

// A number written by any locale: "12,5" or "12.5", no group separators.
static bool parseNumber(const QString &stored, double &value)
{
    QString text = stored.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

int Settings::readInt(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

double Settings::readNumber(const QString &section, const QString &key, double defaultValue) const
{
    double value = 0;
    return parseNumber(readString(section, key), value) ? value : defaultValue;
}

QDate Settings::readDate(const QString &section, const QString &key, const QDate &defaultValue) const
{
    const QString text = readString(section, key).trimmed();
    QDate value = QDate::fromString(text, Qt::ISODate);
    if (!value.isValid())
        value = QDate::fromString(text, QStringLiteral("yyyy.MM.dd."));
    if (!value.isValid())
        value = QDate::fromString(text, QStringLiteral("yyyy.MM.dd"));
    return value.isValid() ? value : defaultValue;
}

bool Settings::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    double value = 0;
    return parseNumber(readString(section, key), value) ? value != 0 : defaultValue;
}

bool Settings::writeString(const QString &section, const QString &key, const QString &value)
{
    IniFile ini(iniPath());
    if (!ini.load())
        return false;
    ini.setValue(section, key, value);
    return ini.save();
}

bool Settings::writeInt(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool Settings::writeNumber(const QString &section, const QString &key, double value)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return writeString(section, key, text);
}

bool Settings::writeDate(const QString &section, const QString &key, const QDate &value)
{
    return writeString(section, key, value.toString(Qt::ISODate));
}

bool Settings::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString Settings::vendorSupportAddress()
{
    return QStringLiteral("tamogatas@salvia-szoftver.hu");
}

QString Settings::vendorServerAddress()
{
    return QStringLiteral("https://www.salvia-szoftver.hu");
}

bool Settings::displayModify() const
{
    return readBool(QStringLiteral("DialogSettings"), QStringLiteral("DisplayModify"), true);
}

bool Settings::displayNew() const
{
    return readBool(QStringLiteral("DialogSettings"), QStringLiteral("DisplayNew"), true);
}

bool Settings::formatFloppy() const
{
    return readBool(QStringLiteral("DialogSettings"), QStringLiteral("FormatFloppy"), true);
}

bool Settings::displayTetelWarning() const
{
    return readBool(QStringLiteral("DialogSettings"), QStringLiteral("DisplayTetelWarning"), true);
}

bool Settings::display3D() const
{
    return readBool(QStringLiteral("DialogSettings"), QStringLiteral("Display3D"), false);
}

QString Settings::defaultPartner() const
{
    return readString(QStringLiteral("DefaultValues"), QStringLiteral("DefaultPartner"), QString());
}

QString Settings::defaultFokszam() const
{
    return readString(QStringLiteral("DefaultValues"), QStringLiteral("DefaultFokszam"), QString());
}

QString Settings::defaultMertegys() const
{
    return readString(QStringLiteral("DefaultValues"), QStringLiteral("DefaultMertegys"), QString());
}

QString Settings::defaultCsoport() const
{
    return readString(QStringLiteral("DefaultValues"), QStringLiteral("DefaultCsoport"), QString());
}

QString Settings::defaultAfa() const
{
    return readString(QStringLiteral("DefaultValues"), QStringLiteral("DefaultAfa"), QString());
}

QString Settings::defaultVeszteseg() const
{
    return readString(QStringLiteral("DefaultValues"), QStringLiteral("DefaultVeszteseg"), QString());
}

QString Settings::logoPath() const
{
    return readString(QStringLiteral("PrintSettings"), QStringLiteral("LogoPath"), QString());
}

QString Settings::footer11() const
{
    return readString(QStringLiteral("PrintSettings"), QStringLiteral("Footer11"), QStringLiteral("Beosztott"));
}

QString Settings::footer12() const
{
    return readString(QStringLiteral("PrintSettings"), QStringLiteral("Footer12"), QStringLiteral("készítette"));
}

QString Settings::footer21() const
{
    return readString(QStringLiteral("PrintSettings"), QStringLiteral("Footer21"), QStringLiteral("Főnök"));
}

QString Settings::footer22() const
{
    return readString(QStringLiteral("PrintSettings"), QStringLiteral("Footer22"), QStringLiteral("ellenőrizte"));
}

QString Settings::footer31() const
{
    return readString(QStringLiteral("PrintSettings"), QStringLiteral("Footer31"), QStringLiteral("Raktárnok"));
}

QString Settings::footer32() const
{
    return readString(QStringLiteral("PrintSettings"), QStringLiteral("Footer32"), QStringLiteral("kiadta"));
}

QString Settings::footer41() const
{
    return readString(QStringLiteral("PrintSettings"), QStringLiteral("Footer41"), QStringLiteral("Szakács"));
}

QString Settings::footer42() const
{
    return readString(QStringLiteral("PrintSettings"), QStringLiteral("Footer42"), QStringLiteral("átvette"));
}

bool Settings::enableFooter() const
{
    return readBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), true);
}

QString Settings::footerWeekly() const
{
    return readString(QStringLiteral("PrintSettings"), QStringLiteral("FooterWeekly"), QString());
}

QString Settings::jegyzPath() const
{
    return readString(QStringLiteral("Mukodes"), QStringLiteral("JegyzPath"), QString());
}

QString Settings::mailaddr() const
{
    return readString(QStringLiteral("Mukodes"), QStringLiteral("Mailaddr"), vendorSupportAddress());
}

bool Settings::disaLock() const
{
    return readBool(QStringLiteral("Mukodes"), QStringLiteral("DisaLock"), true);
}

bool Settings::autoLeltar() const
{
    return readBool(QStringLiteral("Mukodes"), QStringLiteral("AutoLeltar"), false);
}

bool Settings::showAFA() const
{
    return readBool(QStringLiteral("Mukodes"), QStringLiteral("ShowAFA"), false);
}

bool Settings::verChk() const
{
    return readBool(QStringLiteral("Mukodes"), QStringLiteral("VerChk"), true);
}

QString Settings::updateServer() const
{
    const QString value = readString(QStringLiteral("Mukodes"), QStringLiteral("UpdateServer")).trimmed();
    return value.isEmpty() ? vendorServerAddress() : value;
}

bool Settings::tapValt() const
{
    return readBool(QStringLiteral("Mukodes"), QStringLiteral("TapValt"), true);
}

bool Settings::setTapValt(bool value)
{
    return writeBool(QStringLiteral("Mukodes"), QStringLiteral("TapValt"), value);
}

int Settings::receptFo() const
{
    const double persons = Rounding::round(readNumber(QStringLiteral("Szamitas"), QStringLiteral("ReceptFo"), 100), 0);
    return persons >= 1 && persons <= 100 ? int(persons) : 100;
}

bool Settings::kiadAr() const
{
    return readBool(QStringLiteral("Szamitas"), QStringLiteral("KiadAr"), false);
}

QString Settings::cegAzon() const
{
    return readString(QStringLiteral("UVI"), QStringLiteral("CegAzon"), QStringLiteral("A"));
}

bool Settings::setCegAzon(const QString &value)
{
    return writeString(QStringLiteral("UVI"), QStringLiteral("CegAzon"), value);
}

QString Settings::bRendAz() const
{
    return readString(QStringLiteral("UVI"), QStringLiteral("BRendAz"), QStringLiteral("H"));
}

bool Settings::setBRendAz(const QString &value)
{
    return writeString(QStringLiteral("UVI"), QStringLiteral("BRendAz"), value);
}

QString Settings::egys() const
{
    return readString(QStringLiteral("UVI"), QStringLiteral("Egys"), QStringLiteral("0000"));
}

bool Settings::setEgys(const QString &value)
{
    return writeString(QStringLiteral("UVI"), QStringLiteral("Egys"), value);
}

QString Settings::adosz() const
{
    return readString(QStringLiteral("UVI"), QStringLiteral("Adosz"), QString());
}

bool Settings::setAdosz(const QString &value)
{
    return writeString(QStringLiteral("UVI"), QStringLiteral("Adosz"), value);
}

QString Settings::koteg() const
{
    return readString(QStringLiteral("UVI"), QStringLiteral("Koteg"), QStringLiteral("001"));
}

bool Settings::setKoteg(const QString &value)
{
    return writeString(QStringLiteral("UVI"), QStringLiteral("Koteg"), value);
}

QDate Settings::kiszabatKezdDat() const
{
    return readDate(QStringLiteral("Kiszabat"), QStringLiteral("KezdDat"), QDate::currentDate());
}

int Settings::kiszabatCount() const
{
    return readInt(QStringLiteral("Kiszabat"), QStringLiteral("Count"), 0);
}

QString Settings::kiszabatEtk(int index) const
{
    return readString(QStringLiteral("Kiszabat"), QStringLiteral("Etk-") + QString::number(index), QString());
}

QDate Settings::cartKiszabatKezdDat() const
{
    return readDate(QStringLiteral("CartKiszabat"), QStringLiteral("KezdDat"), QDate::currentDate());
}

int Settings::cartKiszabatCount() const
{
    return readInt(QStringLiteral("CartKiszabat"), QStringLiteral("Count"), 0);
}

QString Settings::cartKiszabatCsop(int index) const
{
    return readString(QStringLiteral("CartKiszabat"), QStringLiteral("Csop-") + QString::number(index), QString());
}
