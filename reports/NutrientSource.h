#pragma once

#include "core/Refusal.h"
#include "menu/RationTypes.h"
#include "reports/NutrientCalculation.h"

#include <QDate>
#include <QSqlDatabase>
#include <QStringList>

// The issued ration sheets a period calculation reads: the dates, the range of movement types the
// meals were issued with, and the chosen meal codes (none chosen: nothing found).
struct NutrientPeriod
{
    QDate from;
    QDate to;
    QString movementFrom;
    QString movementTo;
    QStringList meals;
};

// Where the nutrient calculations take their uses and divisor from: the issued sheets of a
// period (Kiszabat and Letszam), or the ration sheet being prepared, read from memory.
namespace NutrientSource {

// Every material of Anyag.
Checked<QHash<MaterialKey, NutrientMaterial>> materials(QSqlDatabase db);
// The food groups of AnyagCsoport in code order.
Checked<QList<FoodGroup>> foodGroups(QSqlDatabase db);

// The issued lines of the period whose meal was issued with a movement type in the range, summed
// per material (materials missing from Anyag are left out), in key order.
Checked<QList<NutrientUse>> period(QSqlDatabase db, const NutrientPeriod &period);
// Each day's average headcount over the issued meals of the period.
Checked<NutrientDivisor> periodDivisor(QSqlDatabase db, const NutrientPeriod &period);

// The sheet's lines of the chosen meals summed per material, in key order.
QList<NutrientUse> sheet(const QHash<MaterialKey, NutrientMaterial> &materials, const QList<RationLine> &lines,
    const QStringList &meals);
// The sheet's one day: the average headcount of its chosen meals.
NutrientDivisor sheetDivisor(const QList<RationMeal> &meals, const QStringList &chosen);
// The meals present in the sheet's lines, in their first appearance: code and name.
QList<RationMeal> sheetMeals(const QList<RationLine> &lines);

// The condition "(column = ? OR ... OR 1 = 0)" for the chosen codes.
QString mealCondition(const QString &column, const QStringList &meals);

} // namespace NutrientSource
