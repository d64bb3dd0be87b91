#pragma once

#include "core/Money.h"
#include "reports/ReportQuery.h"

#include <QList>
#include <QSqlDatabase>
#include <QStandardItemModel>

// Usage by movement type ("Tényleges anyagfelhasználás"): the value received and issued per
// movement type and direction over the filters of UsageFilter, summed exactly.
class UsageByMovementReport : public ReportQuery
{
public:
    struct Line
    {
        QString mozgnemKod;
        QString mozgasnem;
        Money beErt;
        Money kiErt;
        Money ertek() const { return beErt - kiErt; }
    };

    explicit UsageByMovementReport(QSqlDatabase warehouse);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override;

    const QList<Line> &lines() const { return m_lines; }
    Money received() const { return m_received; }
    Money issued() const { return m_issued; }

private:
    QSqlDatabase m_db;
    QList<Line> m_lines;
    Money m_received;
    Money m_issued;
    QStandardItemModel m_model;
};
