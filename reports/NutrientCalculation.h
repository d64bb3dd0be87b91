#pragma once

#include "reports/NutrientNorm.h"
#include "reports/NutrientUse.h"

#include <QList>
#include <QString>

// A food group (AnyagCsoport): code and name.
struct FoodGroup
{
    QString code;
    QString name;
};

// One figure against its norm: the total of the period, one person's daily portion, the norm and
// the daily portion's deviation from it (0 within the range or without a norm).
struct NormedFigure
{
    QString code; // food group code; empty on a nutrient row
    QString name;
    QString unit; // nutrient rows: "[g]", "[KJ]" ...
    double total = 0;
    double daily = 0;
    NormRange norm;
    double deviation = 0;

    bool deviates() const { return deviation != 0; }
};

// The grouped calculation: one row per food group in table order, then the fourteen nutrients.
struct GroupedNutrients
{
    QList<NormedFigure> groups;
    QList<NormedFigure> nutrients;
};

// One row of the detailed calculation: a material, or one of the three closing rows.
struct NutrientDetailRow
{
    enum class Kind { Material, Total, PerPersonDay, Closing };
    Kind kind = Kind::Material;
    QString account;
    QString number;
    QString name;
    QString group;
    QString unit;
    double quantity = 0;
    Money value;
    NutrientValues values {};
    double calories = 0;
    double addedSalt = 0;
    double addedSugar = 0;

    double amount(Nutrient nutrient) const { return values.at(size_t(nutrient)); }
    bool isSummary() const { return kind == Kind::Total || kind == Kind::PerPersonDay; }
};

// The nutrient engine both the period and the ration-sheet screens run: the uses of the chosen
// lines in, the figures out. Sums are taken unrounded (values as Money) and each shown figure is
// rounded once from them.
namespace NutrientCalculation {

GroupedNutrients grouped(const QList<NutrientUse> &uses, const QList<FoodGroup> &groups, const NutrientNorm &norm,
    const NutrientDivisor &divisor);

// The material rows in the order of `uses`, then the total row (named after the days and headcount
// texts shown), the per-person-per-day row and the closing row.
QList<NutrientDetailRow> detailed(const QList<NutrientUse> &uses, const NutrientDivisor &divisor);

// kJ as kcal, rounded to two decimals.
double calories(double kilojoules);

} // namespace NutrientCalculation
