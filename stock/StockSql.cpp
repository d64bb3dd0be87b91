#include "stock/StockSql.h"

#include "store/Sql.h"

#include <QSqlError>

namespace StockSql {

QVariant toSql(Money value)
{
    return Sql::money(value);
}

Money money(const QVariant &value)
{
    return Sql::toMoney(value);
}

QVariant toSql(const QDate &date)
{
    return Sql::date(date);
}

QDate date(const QVariant &value)
{
    return Sql::toDate(value);
}

QVariant flag(bool on)
{
    return Sql::flag(on);
}

bool flag(const QVariant &value)
{
    return Sql::toFlag(value);
}

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

void run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    prepare(query, sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    exec(query);
}

} // namespace StockSql
