#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>

// SQL statements of the stock engine that throw StockFailure instead of returning false, so one
// catch per operation rolls everything back. Values cross the SQL boundary through Sql.
namespace StockSql {

struct Failure
{
    QString detail;
};

void prepare(QSqlQuery &query, const QString &sql);
void exec(QSqlQuery &query);
// Binds the values in order and runs a prepared statement.
void exec(QSqlQuery &query, const QVariantList &values);
// Prepares, binds the values in order and runs.
void run(QSqlQuery &query, const QString &sql, const QVariantList &values = {});

} // namespace StockSql
