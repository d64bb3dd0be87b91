#include "stock/StockSql.h"

#include "store/EngineError.h"

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

QSqlQuery &Statements::run(const QString &sql, const QVariantList &values)
{
    finish();
    auto found = m_prepared.find(sql);
    if (found == m_prepared.end()) {
        found = m_prepared.emplace(sql, QSqlQuery(m_db)).first;
        prepare(found->second, sql);
    }
    exec(found->second, values);
    m_open = &found->second;
    return found->second;
}

void Statements::finish()
{
    if (m_open && m_open->isActive())
        m_open->finish();
    m_open = nullptr;
}

} // namespace StockSql
