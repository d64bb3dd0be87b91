#include "support/EngineTools.h"

#include "store/Database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace EngineTools {

bool refuseInserts(QSqlDatabase db, const QString &table, QString *error)
{
    QStringList statements;
    if (Database::engineOf(db) == Database::Engine::PostgreSQL)
        statements << QStringLiteral("CREATE OR REPLACE FUNCTION full_disk() RETURNS trigger LANGUAGE plpgsql AS "
                                     "$$ BEGIN RAISE EXCEPTION 'disk I/O error'; END $$")
                   << QStringLiteral("CREATE TRIGGER full_disk BEFORE INSERT ON \"%1\" FOR EACH ROW "
                                     "EXECUTE FUNCTION full_disk()")
                          .arg(table);
    else
        statements << QStringLiteral("CREATE TRIGGER full_disk BEFORE INSERT ON \"%1\" "
                                     "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END")
                          .arg(table);
    QSqlQuery query(db);
    for (const QString &sql : statements) {
        if (!query.exec(sql)) {
            if (error)
                *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

void allowInserts(QSqlDatabase db, const QString &table)
{
    QSqlQuery query(db);
    if (Database::engineOf(db) == Database::Engine::PostgreSQL)
        query.exec(QStringLiteral("DROP TRIGGER IF EXISTS full_disk ON \"%1\"").arg(table));
    else
        query.exec(QStringLiteral("DROP TRIGGER IF EXISTS full_disk"));
}

QSqlDatabase otherComputer(const TempDatabase &db, int warehouse, const QString &name)
{
    QSqlDatabase other;
    if (db.isServer()) {
        other = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        other.setConnectOptions(Database::connectionInfo(db.path()));
        if (other.open())
            QSqlQuery(other).exec(
                QStringLiteral("SET search_path TO \"%1\"").arg(Database::warehouseSchema(warehouse)));
    } else {
        other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        other.setDatabaseName(Database::warehouseFile(db.path(), warehouse));
        if (other.open())
            Database::configureSqlite(other);
    }
    return other;
}

} // namespace EngineTools
