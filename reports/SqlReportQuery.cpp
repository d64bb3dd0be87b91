#include "reports/SqlReportQuery.h"

#include "store/Sql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

SqlReportQuery::SqlReportQuery(const QSqlDatabase &database, const QString &sql, Binder bind, Summary summary)
    : m_database(database)
    , m_sql(sql)
    , m_bind(std::move(bind))
    , m_summary(std::move(summary))
{
}

Refusal SqlReportQuery::run(const ReportParameters &parameters)
{
    m_model.clear();
    QSqlQuery query(m_database);
    if (!query.prepare(m_sql))
        return Refusal::error(query.lastError().text());
    for (const QVariant &value : m_bind(parameters))
        query.addBindValue(value);
    if (!query.exec())
        return Refusal::error(query.lastError().text());
    m_model.setQuery(std::move(query));
    // Every row at once: the totals and the printout need them all.
    while (m_model.canFetchMore())
        m_model.fetchMore();
    if (m_model.lastError().isValid())
        return Refusal::error(m_model.lastError().text());
    return Refusal();
}

QString SqlReportQuery::totals() const
{
    return m_summary ? m_summary(*this) : QString();
}

Money SqlReportQuery::total(const QString &column) const
{
    const int index = m_model.record().indexOf(column);
    Money sum;
    if (index < 0)
        return sum;
    for (int row = 0; row < m_model.rowCount(); ++row)
        sum += Sql::toMoney(m_model.record(row).value(index));
    return sum;
}
