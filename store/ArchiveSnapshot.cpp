#include "store/ArchiveSnapshot.h"

#include "store/ArchiveCopy.h"
#include "store/Catalogue.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/ServerHandle.h"
#include "store/VersionCheck.h"

#include <QDir>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>

#include <libpq-fe.h>

namespace ArchiveSnapshot {

QString warehouseFileName()
{
    return QStringLiteral("raktar.sqlite");
}

QString versionFileName()
{
    return QStringLiteral("db_version.txt");
}

QString sharedFileName()
{
    return QStringLiteral("shared.sqlite");
}

namespace {

bool writeVersion(const QString &path, const QString &version, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.write(version.toUtf8() + "\n");
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

// VACUUM INTO reads one snapshot of the file while other connections keep writing; the copy is
// then turned to a rollback journal so that it is one self-contained file.
bool vacuumInto(QSqlDatabase db, const QString &target, QString *error)
{
    if (!db.isOpen()) {
        *error = EngineError::cause(db.lastError());
        return false;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(target);
    if (!query.exec()) {
        *error = EngineError::cause(query.lastError());
        return false;
    }
    ArchiveCopy::SqliteFile copy(target, false);
    return copy.handle() && copy.exec(QStringLiteral("PRAGMA journal_mode=DELETE"), error);
}

bool writeSqlite(const QString &location, int warehouse, const QString &folder, QString *error)
{
    const QDir dir(folder);
    if (warehouse > 0) {
        const QString version = VersionCheck::readVersion(Database::versionFile(location, warehouse));
        return vacuumInto(Database::warehouse(location, warehouse), dir.filePath(warehouseFileName()), error)
            && writeVersion(dir.filePath(versionFileName()), version.isNull() ? QString() : version, error);
    }
    if (!vacuumInto(Database::shared(location), dir.filePath(sharedFileName()), error))
        return false;
    for (int n = 1; n <= Database::WarehouseCount; ++n) {
        const QString sub = Database::warehouseFolderName(n);
        if (!dir.mkpath(sub)) {
            *error = QStringLiteral("a mappa nem hozható létre: ") + dir.filePath(sub);
            return false;
        }
        if (!writeSqlite(location, n, dir.filePath(sub), error))
            return false;
    }
    return true;
}

// The tables of one schema into a fresh SQLite file, in the server's open transaction.
bool copySchema(pg_conn *server, const QString &schema, const QList<TableDef> &tables, const QString &target,
    QString *error)
{
    ArchiveCopy::SqliteFile file(target, true);
    if (!file.handle()) {
        *error = file.error();
        return false;
    }
    if (!file.exec(QStringLiteral("PRAGMA journal_mode=DELETE"), error) || !ArchiveCopy::createTables(file.handle(), tables, error)
        || !file.exec(QStringLiteral("BEGIN"), error))
        return false;
    for (const TableDef &table : tables)
        if (!ArchiveCopy::serverToSqlite(server, schema, table, file.handle(), error))
            return false;
    return file.exec(QStringLiteral("COMMIT"), error);
}

bool serverVersion(pg_conn *server, int warehouse, QString *version, QString *error)
{
    const QByteArray sql = "SELECT \"Verzio\" FROM \"" + Database::warehouseSchema(warehouse).toUtf8() + "\".\"db_version\"";
    PGresult *result = PQexec(server, sql.constData());
    const bool ok = PQresultStatus(result) == PGRES_TUPLES_OK;
    if (ok)
        *version = PQntuples(result) > 0 ? QString::fromUtf8(PQgetvalue(result, 0, 0)) : QString();
    else
        *error = QString::fromUtf8(PQerrorMessage(server)).trimmed();
    PQclear(result);
    return ok;
}

bool copyWarehouse(pg_conn *server, int warehouse, const QString &folder, QString *error)
{
    const QDir dir(folder);
    QString version;
    return copySchema(server, Database::warehouseSchema(warehouse), Catalogue::warehouseTables(),
               dir.filePath(warehouseFileName()), error)
        && serverVersion(server, warehouse, &version, error)
        && writeVersion(dir.filePath(versionFileName()), version, error);
}

bool writeServer(const QString &location, int warehouse, const QString &folder, QString *error)
{
    QSqlDatabase db = warehouse > 0 ? Database::warehouse(location, warehouse) : Database::shared(location);
    pg_conn *server = serverHandle(db);
    if (!server) {
        *error = EngineError::cause(db.lastError());
        return false;
    }
    // One snapshot for every table copied; the read-only transaction blocks no writer.
    if (!ArchiveCopy::serverExec(server, "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY", error))
        return false;
    bool ok = true;
    if (warehouse > 0) {
        ok = copyWarehouse(server, warehouse, folder, error);
    } else {
        const QDir dir(folder);
        ok = copySchema(server, Database::sharedSchema(), Catalogue::sharedTables(), dir.filePath(sharedFileName()), error);
        for (int n = 1; ok && n <= Database::WarehouseCount; ++n) {
            const QString sub = Database::warehouseFolderName(n);
            ok = dir.mkpath(sub) && copyWarehouse(server, n, dir.filePath(sub), error);
        }
    }
    QString ignored;
    ArchiveCopy::serverExec(server, "ROLLBACK", &ignored);
    return ok;
}

} // namespace

bool write(const QString &location, int warehouse, const QString &folder, QString *error)
{
    QString failure;
    const bool ok = Database::isServerLocation(location) ? writeServer(location, warehouse, folder, &failure)
                                                         : writeSqlite(location, warehouse, folder, &failure);
    if (!ok && error)
        *error = failure.isEmpty() ? QStringLiteral("ismeretlen hiba") : failure;
    return ok;
}

} // namespace ArchiveSnapshot
