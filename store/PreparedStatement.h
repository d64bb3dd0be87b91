#pragma once

#include "core/Money.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// One statement prepared once and run many times in a hot loop (the stock engine's walk over a
// material's rows and its balance writes). On SQLite it runs straight on the connection's handle,
// inside the connection's transaction, without a QVariant per value; on PostgreSQL it runs through
// Qt. Values cross in the forms of Sql: money as its exact text, dates as ISO text.
//
// Bind every parameter (counted from 0), then exec(). A statement with result columns is then read
// with next() to its end, or finish()ed before another statement of the connection runs.
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

    // Runs the statement: a write to its end, a read up to its first row. False with error().
    bool exec();
    // The next row of a read; false at the end, and on a failure, which error() then names.
    bool next();
    void finish();

    qint64 integer(int column) const;
    double real(int column) const;
    QString text(int column) const;
    // As Sql::toMoney reads it.
    Money money(int column) const;

private:
    bool stepped(int code);

    sqlite3 *m_connection = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    bool m_rowWaiting = false;
    QSqlQuery m_query;
    QString m_error;
};
