#pragma once

#include "session/Session.h"
#include "session/SettingKeys.h"
#include "session/SettingsFile.h"

#include <QDate>
#include <QString>

// The settings object: the run's own values (Session) and the user's preferences in salvia.ini.
// Preferences are read from the file at the moment of use, each reader reading the file once,
// and every write is flushed, so a change takes effect everywhere at once.
class Settings : public Session
{
public:
    Settings();

    // salvia.ini: ProgramPath + "/salvia.ini" unless set explicitly.
    QString iniPath() const;
    void setIniPath(const QString &path) { m_iniPath = path; }
    // The file read once, for reading several keys and writing a page in one go.
    SettingsFile file() const { return SettingsFile(iniPath()); }

    // Generic access to any section and key; a missing or unreadable value yields the default.
    // The formats are SettingsFile's.
    QString readString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    int readInt(const QString &section, const QString &key, int defaultValue = 0) const;
    double readNumber(const QString &section, const QString &key, double defaultValue = 0) const;
    QDate readDate(const QString &section, const QString &key, const QDate &defaultValue = QDate()) const;
    // Every write rewrites and flushes the file at once; false when the file cannot be written or
    // the value cannot be held in Windows-1250.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInt(const QString &section, const QString &key, int value);
    bool writeNumber(const QString &section, const QString &key, double value);
    bool writeDate(const QString &section, const QString &key, const QDate &value);
    bool writeBool(const QString &section, const QString &key, bool value);

    // One reader per key of the key table (the default when the key is missing); writers for the
    // keys that screens other than the settings dialog change.
    bool displayModify() const { return flag(SettingKey::DisplayModify); }
    bool displayNew() const { return flag(SettingKey::DisplayNew); }
    bool formatFloppy() const { return flag(SettingKey::FormatFloppy); }
    bool displayTetelWarning() const { return flag(SettingKey::DisplayTetelWarning); }
    bool display3D() const { return flag(SettingKey::Display3D); }
    QString defaultPartner() const { return text(SettingKey::DefaultPartner); }
    QString defaultFokszam() const { return text(SettingKey::DefaultFokszam); }
    QString defaultMertegys() const { return text(SettingKey::DefaultMertegys); }
    QString defaultCsoport() const { return text(SettingKey::DefaultCsoport); }
    QString defaultAfa() const { return text(SettingKey::DefaultAfa); }
    QString defaultVeszteseg() const { return text(SettingKey::DefaultVeszteseg); }
    QString logoPath() const { return text(SettingKey::LogoPath); }
    QString footer11() const { return text(SettingKey::Footer11); }
    QString footer12() const { return text(SettingKey::Footer12); }
    QString footer21() const { return text(SettingKey::Footer21); }
    QString footer22() const { return text(SettingKey::Footer22); }
    QString footer31() const { return text(SettingKey::Footer31); }
    QString footer32() const { return text(SettingKey::Footer32); }
    QString footer41() const { return text(SettingKey::Footer41); }
    QString footer42() const { return text(SettingKey::Footer42); }
    bool enableFooter() const { return flag(SettingKey::EnableFooter); }
    QString footerWeekly() const { return text(SettingKey::FooterWeekly); }
    QString jegyzPath() const { return text(SettingKey::JegyzPath); }
    QString mailaddr() const { return text(SettingKey::Mailaddr); }
    bool disaLock() const { return flag(SettingKey::DisaLock); }
    bool autoLeltar() const { return flag(SettingKey::AutoLeltar); }
    bool showAFA() const { return flag(SettingKey::ShowAFA); }
    bool verChk() const { return flag(SettingKey::VerChk); }
    // The vendor's web server (scheme and host) asked by the update check and the error report;
    // an empty value reads as the default.
    QString updateServer() const;
    bool tapValt() const { return flag(SettingKey::TapValt); }
    bool setTapValt(bool value);
    // The nearest whole number (halves to even); a stored value outside 1..100 reads as the
    // default 100, since recipe quantities are divided by it.
    int receptFo() const;
    bool kiadAr() const { return flag(SettingKey::KiadAr); }
    QString cegAzon() const { return text(SettingKey::CegAzon); }
    bool setCegAzon(const QString &value) { return setText(SettingKey::CegAzon, value); }
    QString bRendAz() const { return text(SettingKey::BRendAz); }
    bool setBRendAz(const QString &value) { return setText(SettingKey::BRendAz, value); }
    QString egys() const { return text(SettingKey::Egys); }
    bool setEgys(const QString &value) { return setText(SettingKey::Egys, value); }
    QString adosz() const { return text(SettingKey::Adosz); }
    bool setAdosz(const QString &value) { return setText(SettingKey::Adosz, value); }
    QString koteg() const { return text(SettingKey::Koteg); }
    bool setKoteg(const QString &value) { return setText(SettingKey::Koteg, value); }

    // The unfinished ration sheets: date (default today), number of chosen meals / dish groups
    // and the chosen codes "Etk-0" ... and "Csop-0" ... (Kiszabat and CartKiszabat sections).
    QDate kiszabatKezdDat() const { return file().date(SettingKey::KiszabatKezdDat, QDate::currentDate()); }
    int kiszabatCount() const { return file().whole(SettingKey::KiszabatCount); }
    QString kiszabatEtk(int index) const;
    QDate cartKiszabatKezdDat() const { return file().date(SettingKey::CartKiszabatKezdDat, QDate::currentDate()); }
    int cartKiszabatCount() const { return file().whole(SettingKey::CartKiszabatCount); }
    QString cartKiszabatCsop(int index) const;

    // The vendor's support address, the default of the error reports' mail addresses.
    static QString vendorSupportAddress() { return QString::fromUtf8(SettingKey::VendorSupportAddress); }
    // The vendor's web server, the default of UpdateServer.
    static QString vendorServerAddress() { return QString::fromUtf8(SettingKey::VendorServerAddress); }

private:
    QString text(SettingKey::Id id) const { return file().text(id); }
    bool flag(SettingKey::Id id) const { return file().flag(id); }
    bool setText(SettingKey::Id id, const QString &value);

    QString m_iniPath;
};
