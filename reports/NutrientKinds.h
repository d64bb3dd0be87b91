#pragma once

#include <QList>
#include <QString>

#include <array>

// The nutrients a raw material carries per unit of its own (Anyag), in the table's field order,
// and the fourteen nutrient rows the calculations show against the age group's norms.
enum class Nutrient {
    Energia,
    Feherje,
    AllatiFeh,
    Zsir,
    ZsirTe,
    Transz,
    Szenhidrat,
    Cukor,
    Hamu,
    Rost,
    Koleszterin,
    So,
    Kalcium,
};
constexpr int NutrientCount = 13;
using NutrientValues = std::array<double, NutrientCount>;

constexpr double JoulesPerCalorie = 4.184;

namespace NutrientKinds {

// The Anyag field of a nutrient ("Energia", "AllatiFeh" ...).
QString field(Nutrient nutrient);

// One row of the nutrient table: its label and unit, the norm columns' suffix (TapRendelet's
// "E" + suffix and "M" + suffix), the material value it sums and how the sum is turned into the
// row's figure (kcal from kJ, milligrams from grams).
struct Row
{
    QString label;
    QString unit;
    QString normSuffix;
    Nutrient source;
    double factor = 1;
    int dailyDecimals = 1;
};

// The fourteen rows in their order, "Energia KJ:" first.
const QList<Row> &rows();

} // namespace NutrientKinds
