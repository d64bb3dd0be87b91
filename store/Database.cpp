#include "store/Database.h"

#include "store/EngineError.h"
#include "store/HungarianCollation.h"
#include "store/StatementSet.h"

#include <QDir>
#include <QHash>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QVariant>
#include <libpq-fe.h>

namespace Database {

bool isServerLocation(const QString &location)
{
    const QString trimmed = location.trimmed();
    return trimmed.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || trimmed.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

Engine engineOf(const QString &location)
{
    return isServerLocation(location) ? Engine::PostgreSQL : Engine::SQLite;
}

Engine engineOf(const QSqlDatabase &db)
{
    return db.driverName() == QLatin1String("QPSQL") ? Engine::PostgreSQL : Engine::SQLite;
}

QString warehouseFolderName(int warehouse)
{
    return QStringLiteral("Raktar_") + QString::number(warehouse);
}

QString warehouseFolder(const QString &dbPath, int warehouse)
{
    return QDir(dbPath).filePath(warehouseFolderName(warehouse));
}

QString warehouseFile(const QString &dbPath, int warehouse)
{
    return QDir(warehouseFolder(dbPath, warehouse)).filePath(QStringLiteral("raktar.sqlite"));
}

QString sharedFile(const QString &dbPath)
{
    return QDir(dbPath).filePath(QStringLiteral("shared.sqlite"));
}

QString versionFile(const QString &dbPath, int warehouse)
{
    return QDir(warehouseFolder(dbPath, warehouse)).filePath(QStringLiteral("db_version.txt"));
}

QString sharedSchema()
{
    return QStringLiteral("salvia");
}

QString warehouseSchema(int warehouse)
{
    return QStringLiteral("raktar_") + QString::number(warehouse);
}

namespace {

// The keyword/value pairs libpq reads from a URI (only those given).
bool parseUri(const QString &uri, QList<QPair<QByteArray, QByteArray>> *pairs, QString *error)
{
    char *message = nullptr;
    PQconninfoOption *options = PQconninfoParse(uri.trimmed().toUtf8().constData(), &message);
    if (!options) {
        if (error)
            *error = message ? QString::fromUtf8(message).trimmed() : QStringLiteral("?");
        PQfreemem(message);
        return false;
    }
    for (PQconninfoOption *option = options; option->keyword; ++option) {
        if (option->val)
            pairs->append({QByteArray(option->keyword), QByteArray(option->val)});
    }
    PQconninfoFree(options);
    return true;
}

QByteArray quotedValue(const QByteArray &value)
{
    QByteArray quoted = value;
    quoted.replace('\\', "\\\\").replace('\'', "\\'");
    return '\'' + quoted + '\'';
}

} // namespace

QString connectionInfo(const QString &uri, QString *error)
{
    QList<QPair<QByteArray, QByteArray>> pairs;
    if (!parseUri(uri, &pairs, error))
        return QString();
    bool hasTimeout = false;
    QByteArray info;
    for (const auto &[keyword, value] : pairs) {
        hasTimeout = hasTimeout || keyword == "connect_timeout";
        info += keyword + '=' + quotedValue(value) + ' ';
    }
    // An unreachable server answers within seconds instead of the system's TCP timeout.
    if (!hasTimeout)
        info += "connect_timeout='10' ";
    // Client messages in UTF-8, whatever the server's default is.
    info += "client_encoding='UTF8'";
    return QString::fromUtf8(info);
}

QString serverName(const QString &location)
{
    QList<QPair<QByteArray, QByteArray>> pairs;
    if (!parseUri(location, &pairs, nullptr))
        return location.trimmed();
    QString host;
    QString port;
    QString dbname;
    for (const auto &[keyword, value] : pairs) {
        if (keyword == "host" || (keyword == "hostaddr" && host.isEmpty()))
            host = QString::fromUtf8(value);
        else if (keyword == "port")
            port = QString::fromUtf8(value);
        else if (keyword == "dbname")
            dbname = QString::fromUtf8(value);
        else if (keyword == "service" && host.isEmpty())
            host = QStringLiteral("service=") + QString::fromUtf8(value);
    }
    if (host.isEmpty())
        host = QStringLiteral("localhost");
    return host + (port.isEmpty() ? QString() : QLatin1Char(':') + port) + QLatin1Char('/') + dbname;
}

namespace {

QString connectionName(const QString &target)
{
    return QStringLiteral("salvia:") + target;
}

// The damage found on each connection (by connection name).
QHash<QString, QString> &damages()
{
    static QHash<QString, QString> found;
    return found;
}

QSqlDatabase openSqlite(const QString &file)
{
    const QString name = connectionName(QFileInfo(file).absoluteFilePath());
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name);
        if (db.isOpen())
            return db;
    }
    // Opened anew: the statements of the handle before do not carry over.
    StatementSet::drop(name);
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(QFileInfo(file).absoluteFilePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=8000"));
    damages().remove(name);
    if (db.open()) {
        configureSqlite(db);
        if (const QString problem = quickCheck(db); !problem.isEmpty()) {
            qWarning().noquote() << QStringLiteral("SQLite: sérült adatbázisfájl (%1): %2").arg(db.databaseName(), problem);
            damages().insert(name, problem);
        }
    }
    return db;
}

// False for a server connection that libpq has lost (the server restarted, the network broke).
bool serverConnectionAlive(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid()
        || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return true;
    PGconn *connection = *static_cast<PGconn *const *>(handle.constData());
    return connection && PQstatus(connection) == CONNECTION_OK;
}

QSqlDatabase openServer(const QString &uri, const QString &schema)
{
    const QString name = connectionName(uri.trimmed() + QLatin1Char('#') + schema);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        // A lost connection is opened anew at the next use instead of failing from then on.
        if (db.isOpen() && serverConnectionAlive(db))
            return db;
        StatementSet::drop(name);
        db.close();
    }
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    const QString info = connectionInfo(uri);
    // Qt reads ";" in the options as a separator; libpq's values never need one.
    db.setConnectOptions(QString(info).replace(QLatin1Char(';'), QLatin1Char(' ')));
    if (db.open()) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SET client_min_messages TO warning"));
        query.exec(QStringLiteral("SET search_path TO \"%1\"").arg(schema));
        // A writer waits for another computer's write as long as SQLite's busy timeout lets it.
        query.exec(QStringLiteral("SET lock_timeout TO 8000"));
    }
    return db;
}

} // namespace

QString damage(const QSqlDatabase &db)
{
    return damages().value(db.connectionName());
}

void markDamaged(const QSqlDatabase &db, const QString &cause)
{
    if (engineOf(db) == Engine::SQLite)
        damages().insert(db.connectionName(), cause);
}

QString quickCheck(QSqlDatabase db)
{
    if (engineOf(db) != Engine::SQLite)
        return QString();
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")))
        return EngineError::cause(query.lastError());
    if (!query.next())
        return EngineError::cause(query.lastError().isValid() ? EngineError::kindOf(query.lastError())
                                                              : EngineError::Kind::Damaged,
            query.lastError().text());
    if (query.value(0).toString() == QLatin1String("ok"))
        return QString();
    return EngineError::cause(EngineError::Kind::Damaged, QString());
}

QString configureSqlite(QSqlDatabase db)
{
    QSqlQuery query(db);
    auto answer = [&query](const QString &sql) {
        return query.exec(sql) && query.next() ? query.value(0).toString().toLower() : QString();
    };
    // WAL lets readers go on while one writes. A file system without shared memory (or a read-only
    // file) refuses it, and then a rollback journal keeps the writes safe; never run without one.
    QString mode = answer(QStringLiteral("PRAGMA journal_mode=WAL"));
    if (mode != QLatin1String("wal")) {
        const QString refused = mode;
        mode = answer(QStringLiteral("PRAGMA journal_mode=DELETE"));
        qWarning().noquote() << QStringLiteral("SQLite: a WAL napló nem kapcsolható be (%1: %2), visszaállító napló: %3")
                                    .arg(db.databaseName(), refused.isEmpty() ? QStringLiteral("?") : refused,
                                        mode.isEmpty() ? QStringLiteral("?") : mode);
    }
    query.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    const QString synchronous = answer(QStringLiteral("PRAGMA synchronous"));
    if (synchronous != QLatin1String("2"))
        qWarning().noquote() << QStringLiteral("SQLite: synchronous=FULL nem állítható be (%1: %2)")
                                    .arg(db.databaseName(), synchronous);
    query.finish();

    HungarianCollation::install(db);
    return mode;
}

QSqlDatabase shared(const QString &location)
{
    if (isServerLocation(location))
        return openServer(location, sharedSchema());
    return openSqlite(sharedFile(location));
}

QSqlDatabase warehouse(const QString &location, int warehouse)
{
    if (isServerLocation(location))
        return openServer(location, warehouseSchema(warehouse));
    return openSqlite(warehouseFile(location, warehouse));
}

bool isNetworkFileSystemType(const QByteArray &type)
{
    static const QList<QByteArray> network {"nfs", "nfs4", "cifs", "smb", "smb2", "smb3", "smbfs", "ncpfs", "afs",
        "coda", "9p", "ceph", "glusterfs", "lustre", "gfs2", "ocfs2", "davfs", "fuse.sshfs", "fuse.davfs2",
        "fuse.glusterfs", "fuse.cephfs", "fuse.smbnetfs", "fuse.rclone", "fuse.s3fs"};
    const QByteArray lower = type.trimmed().toLower();
    return network.contains(lower);
}

QString networkFolderWarning(const QString &location, const QByteArray &fileSystemType)
{
    if (location.trimmed().isEmpty() || isServerLocation(location))
        return QString();
    QByteArray type = fileSystemType;
    if (type.isEmpty()) {
        // The folder itself, or the nearest existing folder above it.
        QFileInfo info(QDir(location).absolutePath());
        while (!info.exists() && info.absolutePath() != info.absoluteFilePath())
            info = QFileInfo(info.absolutePath());
        type = QStorageInfo(info.absoluteFilePath()).fileSystemType();
    }
    if (!isNetworkFileSystemType(type))
        return QString();
    return QStringLiteral("Az adatbázis mappája hálózati meghajtón van (%1):\r%2\r"
                          "Egy hálózati mappán lévő adatbázist egyszerre csak ez az egy számítógép használhatja. "
                          "Ha több számítógép dolgozik ugyanazon az adatbázison, ahhoz adatbázis-kiszolgáló "
                          "(PostgreSQL) kell.")
        .arg(QString::fromLatin1(type), QDir::toNativeSeparators(location));
}

void closeAll(const QString &location)
{
    const QString prefix = isServerLocation(location)
        ? connectionName(location.trimmed() + QLatin1Char('#'))
        : connectionName(QDir(location).absolutePath()) + QLatin1Char('/');
    for (const QString &name : QSqlDatabase::connectionNames()) {
        if (!name.startsWith(prefix))
            continue;
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            StatementSet::drop(name);
            db.close();
        }
        damages().remove(name);
        QSqlDatabase::removeDatabase(name);
    }
}

} // namespace Database
