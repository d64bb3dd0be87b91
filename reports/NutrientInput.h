#pragma once

#include "menu/RationTypes.h"
#include "reports/NutrientSource.h"
#include "reports/ReportQuery.h"

#include <QSqlDatabase>

// What the nutrient screens read: the issued sheets of a period, or the lines of the ration
// sheet being prepared (given from memory by the sheet screen). The screen's choices travel as
// the report parameters' filters named here.
class NutrientInput
{
public:
    static inline const QString Meals = QStringLiteral("meals"); // QStringList of meal codes
    static inline const QString MovementFrom = QStringLiteral("movementFrom");
    static inline const QString MovementTo = QStringLiteral("movementTo");
    static inline const QString Headcount = QStringLiteral("headcount"); // "Átlaglétszám:"
    static inline const QString Days = QStringLiteral("days"); // "Napok:"
    static inline const QString AgeGroup = QStringLiteral("ageGroup");

    explicit NutrientInput(QSqlDatabase db);
    // The sheet being prepared: its date, meals (with their headcounts) and lines.
    NutrientInput(QSqlDatabase db, const QDate &date, const QList<RationMeal> &meals, const QList<RationLine> &lines);

    QSqlDatabase database() const { return m_db; }
    bool isSheet() const { return m_sheet; }
    const QDate &sheetDate() const { return m_date; }

    // The meals to choose from: every meal of Etkezesek, or the meals present in the sheet.
    Checked<QList<RationMeal>> meals() const;
    // The period (the sheet's date on both sides for the sheet) and the chosen meals.
    NutrientPeriod period(const ReportParameters &parameters) const;
    // The average headcount and day count the parameters find.
    Checked<NutrientDivisor> divisor(const ReportParameters &parameters) const;
    // The divisor as the screen's fields give it (each at least 1).
    static NutrientDivisor typedDivisor(const ReportParameters &parameters);
    Checked<QList<NutrientUse>> uses(const ReportParameters &parameters) const;

private:
    QSqlDatabase m_db;
    bool m_sheet = false;
    QDate m_date;
    QList<RationMeal> m_meals;
    QList<RationLine> m_lines;
};
