#pragma once

#include "reports/ReportQuery.h"
#include "core/Money.h"

#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QStringList>
#include <QVariantList>

#include <functional>

// A report whose rows are one SELECT with bound parameters, read whole, and whose totals are sums
// of its money columns (exact, as Money) and the row count.
class SqlReportQuery : public ReportQuery
{
public:
    // The values bound to the statement's "?" in order.
    using Binder = std::function<QVariantList(const ReportParameters &)>;
    // The totals line from the finished query.
    using Summary = std::function<QString(const SqlReportQuery &)>;

    SqlReportQuery(const QSqlDatabase &database, const QString &sql, Binder bind, Summary summary = {});

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override;

    int rowCount() const { return m_model.rowCount(); }
    // The sum of a column over every row; zero for a column the rows do not have.
    Money total(const QString &column) const;

private:
    QSqlDatabase m_database;
    QString m_sql;
    Binder m_bind;
    Summary m_summary;
    QSqlQueryModel m_model;
};
