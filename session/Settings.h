#pragma once

#include <QDate>
#include <QString>

// The settings object: the run's identity (who, which warehouse, which year) and every option of
// salvia.ini. Options are read from the file at the moment of use and every write is flushed,
// so a change takes effect everywhere at once.
class Settings
{
public:
    Settings();

    // salvia.ini: ProgramPath + "/salvia.ini" unless set explicitly.
    QString iniPath() const;
    void setIniPath(const QString &path) { m_iniPath = path; }

    // Generic access to any section and key; a missing or unreadable value yields the default.
    // Booleans are stored as "1" and "0", and any non-zero number reads as on. Numbers are written
    // with the system's decimal separator and read with either "," or ".". Dates are written as
    // yyyy-MM-dd; "yyyy.MM.dd." is read too.
    QString readString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    int readInt(const QString &section, const QString &key, int defaultValue = 0) const;
    double readNumber(const QString &section, const QString &key, double defaultValue = 0) const;
    QDate readDate(const QString &section, const QString &key, const QDate &defaultValue = QDate()) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue = false) const;
    // Every write rewrites and flushes the file at once; false when the file cannot be written.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInt(const QString &section, const QString &key, int value);
    bool writeNumber(const QString &section, const QString &key, double value);
    bool writeDate(const QString &section, const QString &key, const QDate &value);
    bool writeBool(const QString &section, const QString &key, bool value);

    // One reader per key of salvia.ini (the default when the key is missing); writers for the keys
    // that screens other than the settings dialog change. Section and key names are below.
    bool displayModify() const;
    bool displayNew() const;
    bool formatFloppy() const;
    bool displayTetelWarning() const;
    bool display3D() const;
    QString defaultPartner() const;
    QString defaultFokszam() const;
    QString defaultMertegys() const;
    QString defaultCsoport() const;
    QString defaultAfa() const;
    QString defaultVeszteseg() const;
    QString logoPath() const;
    QString footer11() const;
    QString footer12() const;
    QString footer21() const;
    QString footer22() const;
    QString footer31() const;
    QString footer32() const;
    QString footer41() const;
    QString footer42() const;
    bool enableFooter() const;
    QString footerWeekly() const;
    QString jegyzPath() const;
    QString mailaddr() const;
    bool disaLock() const;
    bool autoLeltar() const;
    bool showAFA() const;
    bool verChk() const;
    // The vendor's web server (scheme and host) asked by the update check and the error report.
    QString updateServer() const;
    bool tapValt() const;
    bool setTapValt(bool value);
    // The nearest whole number (halves to even); a stored value outside 1..100 reads as the
    // default 100, since recipe quantities are divided by it.
    int receptFo() const;
    bool kiadAr() const;
    QString cegAzon() const;
    bool setCegAzon(const QString &value);
    QString bRendAz() const;
    bool setBRendAz(const QString &value);
    QString egys() const;
    bool setEgys(const QString &value);
    QString adosz() const;
    bool setAdosz(const QString &value);
    QString koteg() const;
    bool setKoteg(const QString &value);

    // The unfinished ration sheets: date (default today), number of chosen meals / dish groups
    // and the chosen codes "Etk-0" ... and "Csop-0" ... (Kiszabat and CartKiszabat sections).
    QDate kiszabatKezdDat() const;
    int kiszabatCount() const;
    QString kiszabatEtk(int index) const;
    QDate cartKiszabatKezdDat() const;
    int cartKiszabatCount() const;
    QString cartKiszabatCsop(int index) const;

    // The vendor's support address, the default of the error reports' mail addresses.
    static QString vendorSupportAddress();
    // The vendor's web server, the default of UpdateServer.
    static QString vendorServerAddress();

    // Run values.
    QString programPath() const { return m_programPath; }
    void setProgramPath(const QString &value) { m_programPath = value; }
    QString dbPath() const { return m_dbPath; }
    void setDbPath(const QString &value) { m_dbPath = value; }
    QString bdeAlias() const { return m_bdeAlias; }
    QString loginUser() const { return m_loginUser; }
    void setLoginUser(const QString &value) { m_loginUser = value; }
    int securLevel() const { return m_securLevel; }
    void setSecurLevel(int value) { m_securLevel = value; }
    QString securName() const { return m_securName; }
    void setSecurName(const QString &value) { m_securName = value; }
    int aktivRaktar() const { return m_aktivRaktar; }
    void setAktivRaktar(int value) { m_aktivRaktar = value; }
    QString aktivRaktarNev() const { return m_aktivRaktarNev; }
    void setAktivRaktarNev(const QString &value) { m_aktivRaktarNev = value; }
    QString munkaEv() const { return m_munkaEv; }
    void setMunkaEv(const QString &value) { m_munkaEv = value; }
    QString lezartHo() const { return m_lezartHo; }
    void setLezartHo(const QString &value) { m_lezartHo = value; }
    QDate lezartHoDat() const { return m_lezartHoDat; }
    void setLezartHoDat(const QDate &value) { m_lezartHoDat = value; }
    int isPrinter() const { return m_isPrinter; }
    void setIsPrinter(int value) { m_isPrinter = value; }
    QString progVer() const { return m_progVer; }
    void setProgVer(const QString &value) { m_progVer = value; }
    QString dbMinVer() const { return m_dbMinVer; }
    void setDbMinVer(const QString &value) { m_dbMinVer = value; }

    // Owner institution.
    QString cegNev() const { return m_cegNev; }
    void setCegNev(const QString &value) { m_cegNev = value; }
    QString cegIrsz() const { return m_cegIrsz; }
    void setCegIrsz(const QString &value) { m_cegIrsz = value; }
    QString cegVaros() const { return m_cegVaros; }
    void setCegVaros(const QString &value) { m_cegVaros = value; }
    QString cegCim() const { return m_cegCim; }
    void setCegCim(const QString &value) { m_cegCim = value; }

private:
    QString m_iniPath;
    QString m_programPath;
    QString m_dbPath;
    QString m_bdeAlias = QStringLiteral("Salvia");
    QString m_loginUser;
    int m_securLevel = 0;
    QString m_securName;
    int m_aktivRaktar = 0;
    QString m_aktivRaktarNev;
    QString m_munkaEv;
    QString m_lezartHo;
    QDate m_lezartHoDat;
    int m_isPrinter = 0;
    QString m_progVer;
    QString m_dbMinVer;
    QString m_cegNev;
    QString m_cegIrsz;
    QString m_cegVaros;
    QString m_cegCim;
};
