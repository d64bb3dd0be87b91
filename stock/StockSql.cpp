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
    // Only the statement run last can still hold a result.
    if (m_open && m_open->isActive())
        m_open->finish();
    m_open = nullptr;
    std::unordered_map<QString, QSqlQuery> &prepared = forwardOnly ? m_walk : m_run;
    auto found = prepared.find(sql);
    if (found == prepared.end()) {
        found = prepared.emplace(sql, QSqlQuery(m_db)).first;
        found->second.setForwardOnly(forwardOnly);
        prepare(found->second, sql);
    }
    exec(found->second, values);
    m_open = &found->second;
    return found->second;
}

} // namespace StockSql
