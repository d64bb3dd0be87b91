#pragma once

#include "core/Money.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

class StatementSet;
struct pg_conn;
struct pg_result;
struct sqlite3;
struct sqlite3_stmt;

// One statement prepared once and run many times. Statements come from the connection's
// StatementSet, which keeps them for the connection's life. On SQLite it runs straight on the
// connection's handle, inside the connection's transaction, without a QVariant per value; on
// PostgreSQL straight on libpq's connection under Qt's, as a statement prepared on the server
// (one round trip per run, its values as text parameters). Values cross in the forms of Sql: money as its exact text, dates
// as ISO text, flags as Sql::flag.
//
// Bind every parameter (counted from 0), then exec(). A statement with result columns is then read
// with next() to its end, or finish()ed before another statement of the connection runs; running
// another statement of the connection finishes it, and a later next() on it fails.
class PreparedStatement
{
public:
    PreparedStatement(QSqlDatabase db, const QString &sql);
    ~PreparedStatement();
    PreparedStatement(const PreparedStatement &) = delete;
    PreparedStatement &operator=(const PreparedStatement &) = delete;

    // False when the statement could not be prepared; error() tells why (a failed run in
    // Hungarian, as EngineError::cause gives it).
    bool isValid() const;
    QString error() const { return m_error; }

    void bindText(int index, const QString &text);
    void bindInteger(int index, qint64 number);
    void bindReal(int index, double number);
    void bindMoney(int index, const Money &amount);
    void bindDate(int index, const QDate &day);
    // A value as Sql hands it over (text, a number, a flag, NULL).
    void bind(int index, const QVariant &value);
    // Binds the values in order from parameter 0.
    void bindAll(const QVariantList &values);

    // Runs the statement: a write to its end, a read up to its first row. False with error().
    bool exec();
    // The next row of a read; false at the end, and on a failure, which error() then names.
    bool next();
    void finish();

    bool isNull(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    QString text(int column) const;
    // As Sql::toMoney reads it.
    Money money(int column) const;
    // As Sql::toDate and Sql::toFlag read them.
    QDate date(int column) const;
    bool flag(int column) const;

private:
    friend class StatementSet;
    bool stepped(int code);
    void prepareOnServer(const QString &sql);
    void bindServer(int index, const QByteArray &text, bool null = false);
    const char *serverValue(int column) const;
    void clearResult();
    // Finished because another statement of the connection ran: a later next() says so.
    void interrupt();

    // Where a read stands: next() reads only after exec() and before the end or a finish.
    enum class State { Idle, Reading, Interrupted };

    QSqlDatabase m_db;
    // The set that keeps the statement; null for one made outside a set.
    StatementSet *m_owner = nullptr;
    sqlite3 *m_connection = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    bool m_rowWaiting = false;
    State m_state = State::Idle;
    pg_conn *m_server = nullptr;
    QByteArray m_serverName;
    QList<QByteArray> m_parameters;
    QList<bool> m_nullParameters;
    pg_result *m_result = nullptr;
    int m_row = -1;
    QSqlQuery m_query;
    QString m_error;
};
