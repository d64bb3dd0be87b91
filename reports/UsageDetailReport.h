#pragma once

#include "core/Money.h"
#include "reports/ReportQuery.h"

#include <QList>
#include <QSqlDatabase>
#include <QStandardItemModel>

// Detailed usage ("Részletes anyagfelhasználás"): per material the quantities and values received
// and issued over the filters of UsageFilter, their balances and the average price of the balance.
// One grouped query over both directions; the values are summed exactly.
class UsageDetailReport : public ReportQuery
{
public:
    struct Line
    {
        QString fokSzla;
        QString nyilvSzam;
        QString anyagNev;
        QString mertegys;
        double beMenny = 0;
        double kiMenny = 0;
        double menny = 0; // received − issued, to three decimals when both are there
        Money beErt;
        Money kiErt;
        Money ertek() const { return beErt - kiErt; }
        // The value balance over the quantity balance; 0 unless the quantity is positive.
        Money nyilvAr() const;
    };

    explicit UsageDetailReport(QSqlDatabase warehouse);

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
