#include "support/StartupTestDatabase.h"

#include "store/Database.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

void run(QSqlDatabase db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        QFAIL(qPrintable(sql + QStringLiteral(": ") + query.lastError().text()));
}

} // namespace

StartupTestDatabase::StartupTestDatabase(const QStringList &warehouseNames)
{
    createIn(path(), warehouseNames);
}

void StartupTestDatabase::createIn(const QString &dir, const QStringList &warehouseNames)
{
    run(Database::shared(dir), QStringLiteral("CREATE TABLE raktarak (RaktarKod INTEGER PRIMARY KEY, RaktarNev TEXT)"));
    for (int n = 1; n <= warehouseNames.size(); ++n) {
        QSqlQuery query(Database::shared(dir));
        query.prepare(QStringLiteral("INSERT INTO raktarak (RaktarKod, RaktarNev) VALUES (?, ?)"));
        query.addBindValue(n);
        query.addBindValue(warehouseNames.at(n - 1));
        QVERIFY(query.exec());
        QDir().mkpath(Database::warehouseFolder(dir, n));
        QSqlDatabase db = Database::warehouse(dir, n);
        run(db, QStringLiteral("CREATE TABLE Munkaev (MunkaEv TEXT, AktivEv INTEGER)"));
        run(db, QStringLiteral("CREATE TABLE Napizaras (Datum TEXT PRIMARY KEY, Megjegyzes TEXT, \"User\" TEXT)"));
        run(db, QStringLiteral("CREATE TABLE Leltar (FokSzam TEXT, NyilvSzam TEXT, Megnevezes TEXT, "
                               "Mertekegyseg TEXT, Szorzo REAL, KeszletMenny REAL, KeszletErtek REAL, "
                               "KeszletAFA REAL, KeszletBrutto REAL, NyilvAr REAL, PRIMARY KEY (FokSzam, NyilvSzam))"));
        run(db, QStringLiteral("CREATE TABLE Raktar (RaktAzon INTEGER PRIMARY KEY AUTOINCREMENT, BK TEXT, "
                               "Mozgnem TEXT, BizSzam TEXT, Datum TEXT, Sorszam TEXT, FokSzla TEXT, NyilvSzam TEXT, "
                               "PartAzon TEXT, \"User\" TEXT, AfaKod TEXT, TetelMenny REAL, BeAr REAL, KiAr REAL, "
                               "TetelErtek REAL, AfaErtek REAL, Brutto REAL, KeszletMenny REAL, KeszletErtek REAL, "
                               "Lejarat TEXT, Stat INTEGER)"));
        run(db, QStringLiteral("CREATE TABLE Partner (PartAzon TEXT PRIMARY KEY, Nev TEXT, Irszam TEXT, "
                               "Telepules TEXT, Utca TEXT, Telefon TEXT, Mobil TEXT, FAX TEXT, \"E-mail\" TEXT, "
                               "Adoszam TEXT, Szamlaszam TEXT)"));
    }
}

StartupTestDatabase::~StartupTestDatabase()
{
    Database::closeAll(path());
}

QSqlDatabase StartupTestDatabase::shared() const
{
    return Database::shared(path());
}

QSqlDatabase StartupTestDatabase::warehouse(int n) const
{
    return Database::warehouse(path(), n);
}

void StartupTestDatabase::exec(int n, const QString &sql) const
{
    run(warehouse(n), sql);
}

int StartupTestDatabase::count(int n, const QString &sql) const
{
    QSqlQuery query(warehouse(n));
    if (!query.exec(sql) || !query.next())
        return -1;
    return query.value(0).toInt();
}
