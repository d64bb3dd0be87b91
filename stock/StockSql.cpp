#include "stock/StockSql.h"

#include <QSqlError>

namespace StockSql {

QVariant toSql(Money value)
{
    return value.toDouble();
}

Money money(const QVariant &value)
{
    return value.isNull() ? Money() : Money::fromDouble(value.toDouble());
}

QVariant toSql(const QDate &date)
{
    return date.isValid() ? QVariant(date) : QVariant(QMetaType(QMetaType::QDate));
}

QDate date(const QVariant &value)
{
    if (value.isNull())
        return QDate();
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

void prepare(QSqlQuery &query, const QString &sql)
{
    if (!query.prepare(sql))
        throw Failure{query.lastError().text()};
}

void exec(QSqlQuery &query)
{
    if (!query.exec())
        throw Failure{query.lastError().text()};
}

void run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    prepare(query, sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    exec(query);
}

} // namespace StockSql
