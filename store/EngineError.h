#pragma once

#include <QString>

class QSqlDatabase;
class QSqlError;

// What an engine failure means, said in Hungarian for the end of a message. SQLite's result codes
// and PostgreSQL's SQLSTATEs both land here, so every write failure names its cause alike.
namespace EngineError {

enum class Kind {
    None,
    DiskFull,
    Busy, // another computer holds the write lock, or a deadlock was broken
    Damaged, // the file's pages (or the server's data) are corrupt
    NotADatabase, // a file with a damaged header, or no database at all
    ReadOnly,
    DiskError,
    CannotOpen,
    ConnectionLost,
    MissingTable,
    Other,
};

Kind kindOf(const QSqlError &error);
// SQLite's result code (primary or extended), as a statement run on the handle reports it.
Kind sqliteKind(int code);
// PostgreSQL's five-character SQLSTATE.
Kind serverKind(const QString &sqlState);

// The cause in lower case, without a closing full stop: "a lemez megtelt"; for a failure without
// a Hungarian name the engine's own text. Empty for no error.
QString cause(const QSqlError &error);
QString cause(Kind kind, const QString &engineText);
QString sqliteCause(int code, const QString &engineText);
// Why a connection is not open: the engine's reason for the failed open, or that it cannot be
// opened when the engine gave none.
QString notOpen(const QSqlDatabase &db);
// A damaged file, without the pointer to the repair (for a file the repair does not reach).
QString damagedFile();

// "\rOka: <cause>." to close a failure message; empty for an empty cause.
QString causeLine(const QString &cause);

} // namespace EngineError
