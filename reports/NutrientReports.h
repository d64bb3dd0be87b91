#pragma once

#include "reports/NutrientCalculation.h"
#include "reports/NutrientInput.h"
#include "reports/ReportQuery.h"

#include <QStandardItemModel>

// The grouped nutrient calculation as a report query: the food-group rows (rows()) and the
// nutrient rows (nutrients()) of the last run against the chosen age group's norms, rows that
// deviate drawn white on red. Held in memory, so two screens never share or empty each other's
// result.
class NutrientGroupedReport : public ReportQuery
{
public:
    explicit NutrientGroupedReport(NutrientInput input);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_groups; }
    QAbstractItemModel *nutrients() { return &m_nutrients; }
    QString totals() const override { return QString(); }

    const NutrientInput &input() const { return m_input; }
    const GroupedNutrients &result() const { return m_result; }
    const NutrientNorm &norm() const { return m_norm; }
    const NutrientDivisor &divisor() const { return m_divisor; }

private:
    NutrientInput m_input;
    GroupedNutrients m_result;
    NutrientNorm m_norm;
    NutrientDivisor m_divisor;
    QStandardItemModel m_groups;
    QStandardItemModel m_nutrients;
};

// The detailed nutrient calculation as a report query: one row per material, then the total,
// the per-person-per-day and the closing row; the two summary rows white on red.
class NutrientDetailedReport : public ReportQuery
{
public:
    explicit NutrientDetailedReport(NutrientInput input);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override { return QString(); }

    const NutrientInput &input() const { return m_input; }
    const QList<NutrientDetailRow> &result() const { return m_rows; }
    const NutrientDivisor &divisor() const { return m_divisor; }

private:
    NutrientInput m_input;
    QList<NutrientDetailRow> m_rows;
    NutrientDivisor m_divisor;
    QStandardItemModel m_model;
};

namespace NutrientReports {

// A norm bound as the grids and the printout show it: empty when it is not set.
QString boundText(const std::optional<double> &bound);
// The mask of the grouped figures.
inline const QString FigureMask = QStringLiteral("###,###,##0.0");

} // namespace NutrientReports
