#pragma once

#include "reports/MenuVariety.h"
#include "reports/ReportQuery.h"

#include <QStandardItemModel>

// The variety index as a report query: the counts of the chosen meal ("meal" filter) over the
// period, and the repeated dishes as rows ("Ismétlődés", "Ételnév"; one empty row when none).
class MenuVarietyReport : public ReportQuery
{
public:
    static inline const QString Meal = QStringLiteral("meal");

    explicit MenuVarietyReport(QSqlDatabase warehouse);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override { return QString(); }

    const MenuVariety &variety() const { return m_variety; }

private:
    QSqlDatabase m_db;
    MenuVariety m_variety;
    QStandardItemModel m_model;
};
