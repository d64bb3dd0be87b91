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

QSqlQuery &Statements::run(const QString &sql, const QVariantList &values)
{
    return execute(false, sql, values);
}

QSqlQuery &Statements::walk(const QString &sql, const QVariantList &values)
{
    return execute(true, sql, values);
}

QSqlQuery &Statements::execute(bool forwardOnly, const QString &sql, const QVariantList &values)
{
    for (QSqlQuery &open : m_prepared) {
        if (open.isActive())
            open.finish();
    }
    const QString key = (forwardOnly ? QLatin1Char('W') : QLatin1Char('R')) + sql;
    auto found = m_prepared.find(key);
    if (found == m_prepared.end()) {
        found = m_prepared.insert(key, QSqlQuery(m_db));
        found->setForwardOnly(forwardOnly);
        prepare(*found, sql);
    }
    exec(*found, values);
    return *found;
}

} // namespace StockSql
