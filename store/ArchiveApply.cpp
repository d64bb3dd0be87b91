#include "store/ArchiveApply.h"

#include "store/ArchiveCopy.h"
#include "store/ArchiveSnapshot.h"
#include "store/Catalogue.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/ServerHandle.h"
#include "store/SqliteHandle.h"
#include "store/VersionCheck.h"

#include <QDir>
#include <QSaveFile>
#include <QSet>
#include <QSqlError>
#include <QThread>

#include <libpq-fe.h>
#include <sqlite3.h>

namespace ArchiveApply {

namespace {

QStringList rows(sqlite3 *db, const QByteArray &sql, int column, QString *error)
{
    QStringList found;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(db));
        return found;
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW)
        found << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)));
    if (step != SQLITE_DONE)
        *error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(statement);
    return found;
}

QString versionOf(const QString &folder)
{
    const QString version = VersionCheck::readVersion(QDir(folder).filePath(ArchiveSnapshot::versionFileName()));
    return version.isNull() ? QString() : version;
}

bool writeVersionFile(const QString &path, const QString &version, QString *error)
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

// The staged file copied page by page into the live file in one write transaction of its own:
// other connections see the old content or the new one. A writer of another computer is waited
// for a while.
bool backupInto(QSqlDatabase live, const QString &staged, QString *error)
{
    sqlite3 *target = sqliteHandle(live);
    if (!target) {
        *error = EngineError::cause(live.lastError());
        return false;
    }
    ArchiveCopy::SqliteFile source(staged, false);
    if (!source.handle()) {
        *error = source.error();
        return false;
    }
    sqlite3_backup *backup = sqlite3_backup_init(target, "main", source.handle(), "main");
    if (!backup) {
        *error = QString::fromUtf8(sqlite3_errmsg(target));
        return false;
    }
    int step = SQLITE_OK;
    for (int attempt = 0; attempt < 100; ++attempt) {
        step = sqlite3_backup_step(backup, -1);
        if (step != SQLITE_BUSY && step != SQLITE_LOCKED)
            break;
        QThread::msleep(100);
    }
    sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE) {
        *error = QString::fromUtf8(sqlite3_errstr(step));
        return false;
    }
    return true;
}

bool applySqliteWarehouse(const QString &location, int warehouse, const QString &folder, QString *error)
{
    return backupInto(Database::warehouse(location, warehouse), QDir(folder).filePath(ArchiveSnapshot::warehouseFileName()), error)
        && writeVersionFile(Database::versionFile(location, warehouse), versionOf(folder), error);
}

bool applySqlite(const QString &location, int warehouse, const QString &folder, QString *error)
{
    if (warehouse > 0)
        return applySqliteWarehouse(location, warehouse, folder, error);
    if (!backupInto(Database::shared(location), QDir(folder).filePath(ArchiveSnapshot::sharedFileName()), error))
        return false;
    for (int n = 1; n <= Database::WarehouseCount; ++n)
        if (!applySqliteWarehouse(location, n, QDir(folder).filePath(Database::warehouseFolderName(n)), error))
            return false;
    return true;
}

QByteArray quoted(const QString &name)
{
    return '"' + name.toUtf8() + '"';
}

bool replaceSchema(pg_conn *server, const QString &schema, const QList<TableDef> &tables, const QString &file,
    QString *error)
{
    ArchiveCopy::SqliteFile source(file, false);
    if (!source.handle()) {
        *error = source.error();
        return false;
    }
    for (const TableDef &table : tables) {
        const QByteArray name = quoted(schema) + '.' + quoted(table.name);
        if (!ArchiveCopy::serverExec(server, "DELETE FROM " + name, error)
            || !ArchiveCopy::sqliteToServer(source.handle(), table, server, schema, error))
            return false;
        for (const FieldDef &field : table.fields) {
            if (field.type != FieldType::AutoIncrement)
                continue;
            // The next row id follows the greatest restored one.
            const QByteArray literal = "'" + QByteArray(name).replace('\'', "''") + "'";
            if (!ArchiveCopy::serverExec(server,
                    "SELECT setval(pg_get_serial_sequence(" + literal + ", '" + field.name.toUtf8() + "'), "
                        "COALESCE(MAX(" + quoted(field.name) + "), 0) + 1, false) FROM " + name,
                    error))
                return false;
        }
    }
    return true;
}

bool replaceWarehouse(pg_conn *server, int warehouse, const QString &folder, QString *error)
{
    const QString schema = Database::warehouseSchema(warehouse);
    const QByteArray version = versionOf(folder).toUtf8();
    const QByteArray table = quoted(schema) + ".\"db_version\"";
    QByteArray literal = version;
    literal.replace('\'', "''");
    return replaceSchema(server, schema, Catalogue::warehouseTables(),
               QDir(folder).filePath(ArchiveSnapshot::warehouseFileName()), error)
        && ArchiveCopy::serverExec(server, "DELETE FROM " + table, error)
        && ArchiveCopy::serverExec(server, "INSERT INTO " + table + " (\"Verzio\") VALUES ('" + literal + "')", error);
}

bool applyServer(const QString &location, int warehouse, const QString &folder, QString *error)
{
    QSqlDatabase db = warehouse > 0 ? Database::warehouse(location, warehouse) : Database::shared(location);
    pg_conn *server = serverHandle(db);
    if (!server) {
        *error = EngineError::cause(db.lastError());
        return false;
    }
    // The write locks every recording takes (TransactionGuard), so no voucher lands half-way.
    QByteArray begin = "BEGIN; SET LOCAL lock_timeout TO 30000;";
    if (warehouse > 0) {
        begin += " SELECT pg_advisory_xact_lock(" + QByteArray::number(warehouse) + ");";
    } else {
        for (int n = 0; n <= Database::WarehouseCount; ++n)
            begin += " SELECT pg_advisory_xact_lock(" + QByteArray::number(n) + ");";
    }
    if (!ArchiveCopy::serverExec(server, begin, error)) {
        QString ignored;
        ArchiveCopy::serverExec(server, "ROLLBACK", &ignored);
        return false;
    }
    bool ok = true;
    if (warehouse > 0) {
        ok = replaceWarehouse(server, warehouse, folder, error);
    } else {
        const QDir dir(folder);
        ok = replaceSchema(server, Database::sharedSchema(), Catalogue::sharedTables(),
            dir.filePath(ArchiveSnapshot::sharedFileName()), error);
        for (int n = 1; ok && n <= Database::WarehouseCount; ++n)
            ok = replaceWarehouse(server, n, dir.filePath(Database::warehouseFolderName(n)), error);
    }
    if (ok)
        return ArchiveCopy::serverExec(server, "COMMIT", error);
    QString ignored;
    ArchiveCopy::serverExec(server, "ROLLBACK", &ignored);
    return false;
}

} // namespace

QString checkFile(const QString &path, bool shared)
{
    ArchiveCopy::SqliteFile file(path, false);
    if (!file.handle())
        return file.error();
    QString error;
    const QStringList integrity = rows(file.handle(), "PRAGMA integrity_check", 0, &error);
    if (!error.isEmpty())
        return error;
    if (integrity != QStringList {QStringLiteral("ok")})
        return QStringLiteral("sérült adatbázisfájl: ") + integrity.join(QStringLiteral("; "));

    const QList<TableDef> &tables = shared ? Catalogue::sharedTables() : Catalogue::warehouseTables();
    QSet<QString> known {QStringLiteral("sqlite_sequence")};
    for (const TableDef &table : tables)
        known.insert(table.name);
    const QStringList objects = rows(file.handle(),
        "SELECT type || ' ' || tbl_name FROM sqlite_master WHERE name NOT LIKE 'sqlite_autoindex_%'", 0, &error);
    if (!error.isEmpty())
        return error;
    for (const QString &object : objects) {
        const QString type = object.section(QLatin1Char(' '), 0, 0);
        const QString table = object.section(QLatin1Char(' '), 1);
        if ((type != QLatin1String("table") && type != QLatin1String("index")) || !known.contains(table))
            return QStringLiteral("idegen elem az adatbázisfájlban: ") + object;
    }
    for (const TableDef &table : tables) {
        const QStringList fields = rows(file.handle(), "PRAGMA table_info(" + quoted(table.name) + ')', 1, &error);
        if (!error.isEmpty())
            return error;
        if (fields != table.fieldNames())
            return QStringLiteral("a tábla szerkezete eltér: ") + table.name;
    }
    return QString();
}

bool apply(const QString &location, int warehouse, const QString &folder, QString *error)
{
    QString failure;
    const bool ok = Database::isServerLocation(location) ? applyServer(location, warehouse, folder, &failure)
                                                         : applySqlite(location, warehouse, folder, &failure);
    if (!ok && error)
        *error = failure.isEmpty() ? QStringLiteral("ismeretlen hiba") : failure;
    return ok;
}

} // namespace ArchiveApply
