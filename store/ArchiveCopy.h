#pragma once

#include "store/TableDef.h"

#include <QString>

struct pg_conn;
struct sqlite3;

// Moves the rows of one catalogue table between a server schema and a SQLite file with COPY's text
// format, for the archives: each value converted by its field kind (a server's t/f flag to 0/1,
// NUMERIC text to the REAL column, DATE as ISO text, and back).
namespace ArchiveCopy {

// A SQLite file opened for the archive work (no journal of its own beyond the default, no WAL);
// closed by the destructor.
class SqliteFile
{
public:
    // Opens `path`; `create` makes it (it must not exist yet) or opens an existing one read-only.
    SqliteFile(const QString &path, bool create);
    ~SqliteFile();
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    sqlite3 *handle() const { return m_db; }
    QString error() const { return m_error; }
    bool exec(const QString &sql, QString *error);

private:
    sqlite3 *m_db = nullptr;
    QString m_error;
};

// Creates the catalogue's tables (SQLite form) in a fresh file.
bool createTables(sqlite3 *db, const QList<TableDef> &tables, QString *error);

// Appends every row of "schema"."table" (read in the connection's open transaction) to the same
// table of `target`.
bool serverToSqlite(pg_conn *server, const QString &schema, const TableDef &table, sqlite3 *target, QString *error);
// Appends every row of the table of `source` to "schema"."table" (inside the connection's open
// transaction).
bool sqliteToServer(sqlite3 *source, const TableDef &table, pg_conn *server, const QString &schema, QString *error);

// Runs one statement on the server; false with libpq's reason.
bool serverExec(pg_conn *server, const QByteArray &sql, QString *error);

} // namespace ArchiveCopy
