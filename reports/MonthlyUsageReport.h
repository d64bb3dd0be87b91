#pragma once

#include "core/Money.h"
#include "reports/ReportQuery.h"

#include <QList>
#include <QSqlDatabase>
#include <QStandardItemModel>

// Monthly usage ("Havi anyagfelhasználás"): for each day of a month the value of the ration-sheet
// issues against the norm budget of the issued headcounts, the deviation and its per cent, and
// the month's row "Összesen". One grouped query for the whole month. Filters: "month" (1-12),
// the movement-type range, and "aLaCarte" to count the a-la-carte type "08" too.
class MonthlyUsageReport : public ReportQuery
{
public:
    static inline const QString Month = QStringLiteral("month");
    static inline const QString MovementFrom = QStringLiteral("mozgnemtol");
    static inline const QString MovementTo = QStringLiteral("mozgnemig");
    static inline const QString WithALaCarte = QStringLiteral("aLaCarte");
    static inline const QString TotalText = QStringLiteral("Összesen");

    struct Line
    {
        QDate day; // invalid on the total row
        QString napok; // "01 hétfő", or "Összesen"
        Money anyagfelh;
        Money normakeret;
        Money beallas() const { return anyagfelh - normakeret; }
        double beSzazalek() const;
    };

    explicit MonthlyUsageReport(QSqlDatabase warehouse);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override;

    // The day rows, then the total row.
    const QList<Line> &lines() const { return m_lines; }

private:
    QSqlDatabase m_db;
    QList<Line> m_lines;
    QStandardItemModel m_model;
};
