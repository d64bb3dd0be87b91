#pragma once

#include "store/WriteFailure.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <unordered_map>

// SQL statements of the stock engine that throw DatabaseFailure instead of returning false, so one
// catch per operation rolls everything back. Values cross the SQL boundary through Sql.
namespace StockSql {

using Failure = DatabaseFailure;

void prepare(QSqlQuery &query, const QString &sql);
void exec(QSqlQuery &query);
// Binds the values in order and runs a prepared statement.
void exec(QSqlQuery &query, const QVariantList &values);
// Prepares, binds the values in order and runs.
void run(QSqlQuery &query, const QString &sql, const QVariantList &values = {});

// The statements of one stock operation on one connection, each prepared on first use and kept,
// so a voucher of many items or a long recalculation parses each statement once. Running one
// finishes the others first, so at most one result is open at a time.
class Statements
{
public:
    explicit Statements(QSqlDatabase db)
        : m_db(db)
    {
    }

    // Binds the values in order and runs the statement; its rows are held by the answer.
    QSqlQuery &run(const QString &sql, const QVariantList &values = {});

private:
    // Finishes the statement run last (only it can still hold a result).
    void finish();

    QSqlDatabase m_db;
    // Node-based, so a statement stays where it is while others are added.
    std::unordered_map<QString, QSqlQuery> m_prepared;
    QSqlQuery *m_open = nullptr;
};

} // namespace StockSql
