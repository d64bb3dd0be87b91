#include "stock/StockSql.h"

#include "store/EngineError.h"
#include "store/PreparedStatement.h"
#include "store/StatementSet.h"

#include <QSqlError>

namespace StockSql {

void prepare(QSqlQuery &query, const QString &sql)
{
    if (!query.prepare(sql))
        throw Failure {EngineError::cause(query.lastError())};
}

void exec(QSqlQuery &query)
{
    if (!query.exec())
        throw Failure {EngineError::cause(query.lastError())};
}

void exec(QSqlQuery &query, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    exec(query);
}

void run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    prepare(query, sql);
    exec(query, values);
}

PreparedStatement &statement(QSqlDatabase db, const QString &sql)
{
    QString error;
    PreparedStatement *prepared = StatementSet::of(db).statement(sql, &error);
    if (!prepared)
        throw Failure {error};
    return *prepared;
}

void exec(PreparedStatement &statement)
{
    if (!statement.exec())
        throw Failure {statement.error()};
}

PreparedStatement &run(QSqlDatabase db, const QString &sql, const QVariantList &values)
{
    PreparedStatement &prepared = statement(db, sql);
    prepared.bindAll(values);
    exec(prepared);
    return prepared;
}

} // namespace StockSql
