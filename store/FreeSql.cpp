#include "store/FreeSql.h"

#include "store/Database.h"
#include "store/EngineError.h"
#include "store/SqliteHandle.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QRegularExpression>

#include <sqlite3.h>

namespace FreeSql {

namespace {

// The statements of the text, split at semicolons outside quotes and comments; empty ones left out.
QStringList statements(const QString &text)
{
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = text.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? text.size() - 1 : end;
            current += text.mid(i, stop - i + 1);
            i = stop;
        } else if (text.mid(i, 2) == QLatin1String("--")) {
            const qsizetype end = text.indexOf(QLatin1Char('\n'), i);
            i = end < 0 ? text.size() : end;
            current += QLatin1Char(' ');
        } else if (text.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype end = text.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? text.size() : end + 1;
            current += QLatin1Char(' ');
        } else if (c == QLatin1Char(';')) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    QStringList kept;
    for (const QString &part : parts) {
        if (!part.trimmed().isEmpty())
            kept << part.trimmed();
    }
    return kept;
}

QString firstWord(const QString &statement)
{
    return statement.section(QRegularExpression(QStringLiteral("[^A-Za-z]")), 0, 0, QString::SectionSkipEmpty).toUpper();
}

Refusal refused(const QString &text)
{
    return Refusal::error(text);
}

// SQLite's authorizer while the user's statement is prepared (not around the transaction's own
// statements): what the free SQL may never do, and in a query no write.
class SqliteBounds
{
public:
    SqliteBounds(QSqlDatabase db, Mode mode)
        : m_handle(sqliteHandle(db))
        , m_mode(mode)
    {
        if (m_handle)
            sqlite3_set_authorizer(m_handle, &SqliteBounds::authorize, this);
    }
    ~SqliteBounds()
    {
        if (m_handle)
            sqlite3_set_authorizer(m_handle, nullptr, nullptr);
    }

private:
    static int authorize(void *self, int action, const char *, const char *argument, const char *, const char *)
    {
        const Mode mode = static_cast<SqliteBounds *>(self)->m_mode;
        switch (action) {
        case SQLITE_SELECT:
        case SQLITE_READ:
        case SQLITE_FUNCTION:
        case SQLITE_RECURSIVE:
            return SQLITE_OK;
        case SQLITE_PRAGMA:
            // A PRAGMA that sets a value changes the connection or the file.
            return argument ? SQLITE_DENY : SQLITE_OK;
        case SQLITE_INSERT:
        case SQLITE_UPDATE:
        case SQLITE_DELETE:
            return mode == Mode::Statement ? SQLITE_OK : SQLITE_DENY;
        default:
            // DDL, ATTACH, DETACH, transactions, savepoints, REINDEX, ANALYZE, virtual tables.
            return SQLITE_DENY;
        }
    }

    sqlite3 *m_handle;
    Mode m_mode;
};

Result readResult(QSqlQuery &query)
{
    Result result;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        result.columns << record.fieldName(i);
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < record.count(); ++i)
            row << query.value(i);
        result.rows << row;
    }
    result.rowsAffected = int(result.rows.size());
    return result;
}

Checked<Result> runQuery(QSqlDatabase db, const QString &sql, bool server)
{
    if (server && !db.transaction())
        return Checked<Result>::refused(refused(EngineError::cause(db.lastError())));
    QSqlQuery query(db);
    bool ok = true;
    if (server)
        ok = query.exec(QStringLiteral("SET TRANSACTION READ ONLY"));
    else
        ok = query.exec(QStringLiteral("PRAGMA query_only = 1"));
    Checked<Result> outcome;
    if (ok) {
        const SqliteBounds bounds(db, Mode::Query);
        ok = query.exec(sql);
    }
    if (ok)
        outcome = Checked<Result>::accepted(readResult(query));
    else
        outcome = Checked<Result>::refused(refused(EngineError::cause(query.lastError())));
    query.finish();
    if (server)
        db.rollback();
    else
        QSqlQuery(db).exec(QStringLiteral("PRAGMA query_only = 0"));
    return outcome;
}

} // namespace

QStringList templateNames()
{
    return {QStringLiteral("<egyéni>"), QStringLiteral("SELECT"), QStringLiteral("UPDATE"), QStringLiteral("DELETE"),
        QStringLiteral("INSERT")};
}

QStringList templateLines(const QString &name)
{
    if (name == QLatin1String("SELECT")) {
        return {QStringLiteral("SELECT * | <mezőlista>"), QStringLiteral("FROM <táblák>"),
            QStringLiteral("WHERE <feltételek>"), QStringLiteral("GROUP BY <mezőlista>"),
            QStringLiteral("ORDER BY <mezőlista>")};
    }
    if (name == QLatin1String("UPDATE"))
        return {QStringLiteral("UPDATE <tábla>"), QStringLiteral("SET <mező=érték, ...>"), QStringLiteral("WHERE <feltételek>")};
    if (name == QLatin1String("DELETE"))
        return {QStringLiteral("DELETE FROM <tábla>"), QStringLiteral("WHERE <feltételek>")};
    if (name == QLatin1String("INSERT")) {
        return {QStringLiteral("INSERT INTO <tábla>"), QStringLiteral("[(mezőlista: nem kötelező)]"),
            QStringLiteral("VALUES (érték,érték...)")};
    }
    return {};
}

Refusal checkSingle(const QString &text)
{
    const QStringList parts = statements(text);
    if (parts.isEmpty())
        return refused(QStringLiteral("Nincs futtatható SQL utasítás!"));
    if (parts.size() > 1)
        return refused(QStringLiteral("Egyszerre csak egy SQL utasítás futtatható!"));
    return Refusal();
}

Checked<Result> run(QSqlDatabase db, const QString &text, Mode mode, int lockKey)
{
    if (const Refusal refusal = checkSingle(text))
        return Checked<Result>::refused(refusal);
    const QString sql = statements(text).first();
    const QString word = firstWord(sql);
    const bool server = Database::engineOf(db) == Database::Engine::PostgreSQL;
    if (word == QLatin1String("VACUUM"))
        return Checked<Result>::refused(refused(QStringLiteral("A VACUUM utasítás itt nem futtatható; a tömörítés a "
                                                               "táblaszerkesztő „Tömörítés, javítás” gombja.")));
    if (server && mode == Mode::Query && !QStringList({"SELECT", "WITH", "VALUES"}).contains(word))
        return Checked<Result>::refused(refused(QStringLiteral("Lekérdezésként csak SELECT, WITH vagy VALUES utasítás futtatható!")));
    if (server && mode == Mode::Statement && !QStringList({"INSERT", "UPDATE", "DELETE"}).contains(word))
        return Checked<Result>::refused(refused(QStringLiteral("SQL-ként csak INSERT, UPDATE vagy DELETE utasítás futtatható!")));

    if (mode == Mode::Query)
        return runQuery(db, sql, server);
    Result result;
    const WriteResult written = WriteTransaction::run(
        db,
        [&]() -> Refusal {
            QSqlQuery query(db);
            bool ran = false;
            {
                const SqliteBounds bounds(db, Mode::Statement);
                ran = query.exec(sql);
            }
            if (!ran)
                return refused(EngineError::cause(query.lastError()));
            result.rowsAffected = query.numRowsAffected();
            return Refusal();
        },
        lockKey);
    if (!written.ok())
        return Checked<Result>::refused(written.refusal);
    return Checked<Result>::accepted(result);
}

QString successText(int rowsAffected)
{
    return QStringLiteral("Az SQL sikeresen végrehajtva.\rÉrintett sorok száma: %1").arg(rowsAffected);
}

} // namespace FreeSql
