#include "stock/StockSql.h"

#include <QSqlError>

namespace StockSql {

void prepare(QSqlQuery &query, const QString &sql)
{
    if (!query.prepare(sql))
        throw Failure {query.lastError().text()};
}

void exec(QSqlQuery &query)
{
    if (!query.exec())
        throw Failure {query.lastError().text()};
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

} // namespace StockSql
