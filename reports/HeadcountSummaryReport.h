#pragma once

#include "core/Money.h"
#include "reports/ReportQuery.h"

#include <QList>
#include <QSqlDatabase>
#include <QStandardItemModel>

// Headcount summary ("Létszámösszesítő (kiszabott létszámok)"): the issued headcounts of chosen
// meals over a period with the meal's norm and norm budget, one row per day and meal or, merged,
// one per meal with the sum over the period. Filters: "meals" (codes), "merge".
class HeadcountSummaryReport : public ReportQuery
{
public:
    static inline const QString Meals = QStringLiteral("meals");
    static inline const QString Merge = QStringLiteral("merge");

    struct Line
    {
        QDate datum; // invalid when merged
        QString etkKod;
        QString etkNev;
        qint64 letszam = 0;
        Money norma;
        Money normakeret() const;
    };

    explicit HeadcountSummaryReport(QSqlDatabase warehouse);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override;

    const QList<Line> &lines() const { return m_lines; }
    Money normBudget() const { return m_normBudget; }

private:
    QSqlDatabase m_db;
    QList<Line> m_lines;
    Money m_normBudget;
    QStandardItemModel m_model;
};
