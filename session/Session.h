#pragma once

#include <QDate>
#include <QString>

// The run's own values, set at start-up and never stored in salvia.ini: the program and database
// directories, who is logged in, the active warehouse and work year, the owner institution.
class Session
{
public:
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
