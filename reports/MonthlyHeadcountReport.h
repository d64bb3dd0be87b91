#pragma once

#include "reports/ReportQuery.h"

#include <QList>
#include <QSqlDatabase>
#include <QStandardItemModel>

#include <optional>

// Monthly headcount summary ("Havi létszámösszesítő"): a month as days × chosen meals, each cell
// the meal's headcount that day (empty when there is none), and the row "Össz:" with the month's
// sums. The columns live in memory, one per chosen meal in the order chosen. Filters: "month"
// (1-12), "meals" (codes), "issuedOnly" ("Kiszabott létszámokat").
class MonthlyHeadcountReport : public ReportQuery
{
public:
    static inline const QString Month = QStringLiteral("month");
    static inline const QString Meals = QStringLiteral("meals");
    static inline const QString IssuedOnly = QStringLiteral("issuedOnly");
    static inline const QString TotalText = QStringLiteral("Össz:");
    // At most this many meals are chosen by clicking, and printed.
    static constexpr int MaxMeals = 10;

    // Clicking an eleventh meal.
    static Refusal tooManyMeals();
    // Printing more than ten chosen meals: the first ten are printed.
    static Refusal printsFirstTen();

    struct Line
    {
        QDate day; // invalid on the total row
        QString napok; // "01. hétfő", or "Össz:"
        QList<std::optional<qint64>> counts; // one per chosen meal
    };

    explicit MonthlyHeadcountReport(QSqlDatabase warehouse);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override { return QString(); }

    const QList<Line> &lines() const { return m_lines; }
    // The chosen meals' codes and names, in the columns' order.
    const QStringList &mealCodes() const { return m_codes; }
    const QStringList &mealNames() const { return m_names; }

private:
    QSqlDatabase m_db;
    QList<Line> m_lines;
    QStringList m_codes;
    QStringList m_names;
    QStandardItemModel m_model;
};
