#pragma once

#include "store/WriteFailure.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

class PreparedStatement;

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

// The statement of this SQL from the connection's StatementSet (prepared once per connection).
PreparedStatement &statement(QSqlDatabase db, const QString &sql);
// Runs a statement of the connection's set, or throws.
void exec(PreparedStatement &statement);
// Binds the values in order and runs the statement of the connection's set; its rows are read
// from the answer, which is finished (or read to its end) before the next statement.
PreparedStatement &run(QSqlDatabase db, const QString &sql, const QVariantList &values = {});

} // namespace StockSql
