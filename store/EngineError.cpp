#include "store/EngineError.h"

#include <QSqlDatabase>
#include <QSqlError>

#include <sqlite3.h>

namespace EngineError {

Kind sqliteKind(int code)
{
    switch (code & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return Kind::None;
    case SQLITE_FULL:
        return Kind::DiskFull;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Kind::Busy;
    case SQLITE_CORRUPT:
        return Kind::Damaged;
    case SQLITE_NOTADB:
        return Kind::NotADatabase;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return Kind::ReadOnly;
    case SQLITE_IOERR:
        // SQLite reports a write that found no room as a write error on some systems.
        return Kind::DiskError;
    case SQLITE_CANTOPEN:
        return Kind::CannotOpen;
    default:
        return Kind::Other;
    }
}

Kind serverKind(const QString &sqlState)
{
    if (sqlState.isEmpty())
        return Kind::None;
    if (sqlState == QLatin1String("53100"))
        return Kind::DiskFull;
    if (sqlState == QLatin1String("55P03") || sqlState == QLatin1String("40001") || sqlState == QLatin1String("40P01")
        || sqlState == QLatin1String("55006"))
        return Kind::Busy;
    if (sqlState == QLatin1String("XX001") || sqlState == QLatin1String("XX002"))
        return Kind::Damaged;
    if (sqlState == QLatin1String("25006"))
        return Kind::ReadOnly;
    if (sqlState == QLatin1String("58030"))
        return Kind::DiskError;
    if (sqlState == QLatin1String("42P01"))
        return Kind::MissingTable;
    // Class 08 is the connection's; 57P01-57P03 a server shutting down or starting.
    if (sqlState.startsWith(QLatin1String("08")) || sqlState.startsWith(QLatin1String("57P")))
        return Kind::ConnectionLost;
    return Kind::Other;
}

namespace {

// An error whose native code was lost on the way still carries SQLite's words.
Kind kindOfText(const QString &text)
{
    const QString lower = text.toLower();
    if (lower.contains(QLatin1String("database or disk is full")))
        return Kind::DiskFull;
    if (lower.contains(QLatin1String("database is locked")) || lower.contains(QLatin1String("database table is locked")))
        return Kind::Busy;
    if (lower.contains(QLatin1String("malformed")))
        return Kind::Damaged;
    if (lower.contains(QLatin1String("file is not a database")))
        return Kind::NotADatabase;
    if (lower.contains(QLatin1String("readonly database")))
        return Kind::ReadOnly;
    if (lower.contains(QLatin1String("disk i/o error")))
        return Kind::DiskError;
    if (lower.contains(QLatin1String("no such table")))
        return Kind::MissingTable;
    return Kind::Other;
}

} // namespace

Kind kindOf(const QSqlError &error)
{
    if (error.type() == QSqlError::NoError && error.nativeErrorCode().isEmpty() && error.text().trimmed().isEmpty())
        return Kind::None;
    const QString code = error.nativeErrorCode();
    Kind kind = Kind::Other;
    bool numeric = false;
    const int sqliteCode = code.toInt(&numeric);
    if (numeric)
        kind = sqliteKind(sqliteCode);
    else if (code.size() == 5)
        kind = serverKind(code);
    if (kind == Kind::Other || kind == Kind::None)
        kind = kindOfText(error.text());
    return kind;
}

QString cause(Kind kind, const QString &engineText)
{
    switch (kind) {
    case Kind::None:
        return QString();
    case Kind::DiskFull:
        return QStringLiteral("a lemez megtelt");
    case Kind::Busy:
        return QStringLiteral("egy másik gép éppen ír, próbálja újra");
    case Kind::Damaged:
        return damagedFile() + QStringLiteral(", futtassa le az adatbázis javítását (Egyebek -> Adatbázis javító)");
    case Kind::NotADatabase:
        return QStringLiteral("az adatbázisfájl fejléce sérült, vagy a fájl nem adatbázis");
    case Kind::ReadOnly:
        return QStringLiteral("az adatbázis csak olvasható (írásvédett lemez, mappa vagy fájl)");
    case Kind::DiskError:
        return QStringLiteral("lemezhiba: az adatbázisfájl nem olvasható vagy nem írható");
    case Kind::CannotOpen:
        return QStringLiteral("az adatbázisfájl nem nyitható meg");
    case Kind::ConnectionLost:
        return QStringLiteral("megszakadt a kapcsolat az adatbázis-kiszolgálóval");
    case Kind::MissingTable:
        return QStringLiteral("hiányzik egy tábla az adatbázisból");
    case Kind::Other:
        break;
    }
    QString text = engineText.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("ismeretlen adatbázishiba") : text;
}

QString cause(const QSqlError &error)
{
    return cause(kindOf(error), error.text());
}

QString sqliteCause(int code, const QString &engineText)
{
    const Kind kind = sqliteKind(code);
    return cause(kind == Kind::Other ? kindOfText(engineText) : kind, engineText);
}

QString notOpen(const QSqlDatabase &db)
{
    const QString reason = cause(db.lastError());
    return reason.isEmpty() ? cause(Kind::CannotOpen, QString()) : reason;
}

QString damagedFile()
{
    return QStringLiteral("az adatbázisfájl sérült");
}

QString causeLine(const QString &cause)
{
    return cause.isEmpty() ? QString() : QStringLiteral("\rOka: ") + cause + QLatin1Char('.');
}

} // namespace EngineError
