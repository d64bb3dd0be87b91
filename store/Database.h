#pragma once

#include <QSqlDatabase>
#include <QString>

// Where the tables of a database lie and how connections to them are opened. A database location
// is either a directory (SQLite) or a libpq connection URI "postgresql://..." (PostgreSQL).
// The directory holds shared.sqlite (warehouses, users, owner) and Raktar_1 ... Raktar_20, each
// with raktar.sqlite (all tables of one warehouse) and db_version.txt. On a server the shared
// tables lie in the schema "salvia" and each warehouse in a schema "raktar_<n>" with the same
// tables plus the one-row table db_version.
// A connection's search path points at its schema, so SQL names the tables bare on both engines.
namespace Database {

constexpr int WarehouseCount = 20;

enum class Engine { SQLite, PostgreSQL };

// True for "postgresql://..." and "postgres://...".
bool isServerLocation(const QString &location);
Engine engineOf(const QString &location);
Engine engineOf(const QSqlDatabase &db);

// "Raktar_" + n, without leading zeros.
QString warehouseFolderName(int warehouse);
QString warehouseFolder(const QString &dbPath, int warehouse);
QString warehouseFile(const QString &dbPath, int warehouse);
QString sharedFile(const QString &dbPath);
QString versionFile(const QString &dbPath, int warehouse);

// Schemas on a server.
QString sharedSchema();
QString warehouseSchema(int warehouse);

// The server a URI names, for messages: "host:port/database" (the socket folder stands for the
// host when there is no host name); the URI itself when it cannot be parsed. Never a password.
QString serverName(const QString &location);

// The libpq "keyword='value' ..." text of a URI; empty with the reason in *error when libpq
// cannot read the URI. A connection timeout is added unless the URI gives one.
QString connectionInfo(const QString &uri, QString *error = nullptr);

// Opens (or reuses) the connection to the shared tables or to one warehouse's tables; the
// connection is named after its file or schema, so every caller shares one connection per file.
// SQLite: WAL journal (or a rollback journal where WAL cannot be had, with a log line),
// synchronous=FULL, a busy timeout of several seconds.
QSqlDatabase shared(const QString &location);
QSqlDatabase warehouse(const QString &location, int warehouse);

// What SQLite's quick check found wrong with the file when the connection was opened, or a later
// write found damaged, as EngineError names it; empty for a whole file and on a server. A
// transaction is refused on a damaged connection until the file is repaired and opened anew.
QString damage(const QSqlDatabase &db);
void markDamaged(const QSqlDatabase &db, const QString &cause);
// Runs SQLite's quick check (the structure of every page, without the costly index comparison);
// empty when the file is whole.
QString quickCheck(QSqlDatabase db);

// Sets up a freshly opened SQLite connection: journal mode, synchronous, the Hungarian collation and
// the Unicode lower().
// Returns the journal mode it ended with ("wal", or a rollback journal such as "delete").
QString configureSqlite(QSqlDatabase db);

// True for the type name of a network file system as the system reports it ("nfs4", "cifs",
// "smb3", "fuse.sshfs" ...).
bool isNetworkFileSystemType(const QByteArray &type);
// The warning for a database folder on a network file system (SQLite's WAL journal and locks do
// not hold between computers there); empty for a local folder and for a server location.
QString networkFolderWarning(const QString &location, const QByteArray &fileSystemType = QByteArray());

// Closes and removes every connection into the location (before a restore, a repair or in tests).
void closeAll(const QString &location);

} // namespace Database
