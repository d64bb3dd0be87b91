#pragma once

#include "reports/NormComparison.h"
#include "reports/ReportQuery.h"

#include <QStandardItemModel>

// The norm comparisons as report queries without a grid: for chosen meals ("Beállás kiszabatos
// étkezésre", filter "meals") or for a movement-type range ("Beállás mozgásnemre", filters
// "mozgnemtol", "mozgnemig", "aLaCarte"). The result is the four texts of the screen's labels.
class NormComparisonReport : public ReportQuery
{
public:
    enum class Kind { Meals, MovementTypes };

    static inline const QString Meals = QStringLiteral("meals");
    static inline const QString MovementFrom = QStringLiteral("mozgnemtol");
    static inline const QString MovementTo = QStringLiteral("mozgnemig");
    static inline const QString WithALaCarte = QStringLiteral("aLaCarte");
    // The captions of the four result lines.
    static QStringList captions();

    NormComparisonReport(QSqlDatabase warehouse, Kind kind);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override { return QString(); }

    // The four texts; the initial ones before the first run.
    const QStringList &texts() const { return m_texts; }

private:
    QSqlDatabase m_db;
    Kind m_kind;
    QStringList m_texts;
    QStandardItemModel m_model;
};
