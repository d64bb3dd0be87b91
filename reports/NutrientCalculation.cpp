#include "reports/NutrientCalculation.h"

#include "core/Rounding.h"

#include <QHash>

NutrientDivisor NutrientDivisor::fromDailyAverages(const QList<double> &averages)
{
    NutrientDivisor divisor;
    if (averages.isEmpty())
        return divisor;
    double sum = 0;
    for (double average : averages)
        sum += average;
    divisor.days = int(averages.size());
    divisor.headcount = qMax(1, int(Rounding::roundUp(sum / double(averages.size()), 0)));
    return divisor;
}

namespace NutrientCalculation {

namespace {

constexpr int DetailDecimals = 2;
constexpr int CholesterolDecimals = 3;

int detailDecimals(int nutrient)
{
    return Nutrient(nutrient) == Nutrient::Koleszterin ? CholesterolDecimals : DetailDecimals;
}

NormedFigure figure(double total, int totalDecimals, int dailyDecimals, const NutrientDivisor &divisor,
    const NormRange &norm)
{
    NormedFigure row;
    row.total = Rounding::round(total, totalDecimals);
    row.daily = Rounding::round(total / double(divisor.personDays()), dailyDecimals);
    row.norm = norm;
    row.deviation = norm.deviation(row.daily, dailyDecimals);
    return row;
}

} // namespace

double calories(double kilojoules)
{
    return Rounding::round(kilojoules / JoulesPerCalorie, DetailDecimals);
}

GroupedNutrients grouped(const QList<NutrientUse> &uses, const QList<FoodGroup> &groups, const NutrientNorm &norm,
    const NutrientDivisor &divisor)
{
    QHash<QString, double> grams;
    NutrientValues totals {};
    for (const NutrientUse &use : uses) {
        grams[use.material.group] += use.grams();
        for (int n = 0; n < NutrientCount; ++n)
            totals[size_t(n)] += use.amount(Nutrient(n));
    }

    GroupedNutrients result;
    for (const FoodGroup &group : groups) {
        NormedFigure row = figure(grams.value(group.code), 0, 1, divisor, norm.range(group.code));
        row.code = group.code;
        row.name = group.name;
        result.groups << row;
    }
    for (const NutrientKinds::Row &kind : NutrientKinds::rows()) {
        const double total = totals.at(size_t(kind.source)) * kind.factor;
        NormedFigure row = figure(total, kind.dailyDecimals, kind.dailyDecimals, divisor, norm.range(kind.normSuffix));
        row.name = kind.label;
        row.unit = kind.unit;
        result.nutrients << row;
    }
    return result;
}

QList<NutrientDetailRow> detailed(const QList<NutrientUse> &uses, const NutrientDivisor &divisor)
{
    QList<NutrientDetailRow> rows;
    NutrientValues totals {};
    Money totalValue;
    double totalAddedSalt = 0;
    double totalAddedSugar = 0;
    for (const NutrientUse &use : uses) {
        NutrientDetailRow row;
        row.account = use.material.account;
        row.number = use.material.number;
        row.name = use.material.name;
        row.group = use.material.group;
        row.unit = use.material.unit;
        row.quantity = Rounding::round(use.quantity, DetailDecimals);
        row.value = use.value;
        for (int n = 0; n < NutrientCount; ++n) {
            const double amount = use.amount(Nutrient(n));
            row.values[size_t(n)] = Rounding::round(amount, detailDecimals(n));
            totals[size_t(n)] += amount;
        }
        row.calories = calories(row.amount(Nutrient::Energia));
        if (use.material.addedSalt)
            row.addedSalt = Rounding::round(use.amount(Nutrient::So), DetailDecimals);
        if (use.material.addedSugar)
            row.addedSugar = Rounding::round(use.amount(Nutrient::Cukor), DetailDecimals);
        totalValue += use.value;
        totalAddedSalt += row.addedSalt;
        totalAddedSugar += row.addedSugar;
        rows << row;
    }

    NutrientDetailRow total;
    total.kind = NutrientDetailRow::Kind::Total;
    total.account = QStringLiteral("-");
    total.number = QStringLiteral("-");
    total.name = QStringLiteral("ÖSSZESÍTÉS %1 napra, %2 főre:").arg(divisor.days).arg(divisor.headcount);
    total.value = totalValue.rounded(DetailDecimals);
    for (int n = 0; n < NutrientCount; ++n)
        total.values[size_t(n)] = Rounding::round(totals.at(size_t(n)), DetailDecimals);
    total.calories = calories(total.amount(Nutrient::Energia));
    total.addedSalt = Rounding::round(totalAddedSalt, DetailDecimals);
    total.addedSugar = Rounding::round(totalAddedSugar, DetailDecimals);
    rows << total;

    const double personDays = double(divisor.personDays());
    NutrientDetailRow daily;
    daily.kind = NutrientDetailRow::Kind::PerPersonDay;
    daily.account = QStringLiteral("-");
    daily.number = QStringLiteral("--");
    daily.name = QStringLiteral("ÖSSZESÍTÉS átlag 1 napra, 1 főre:");
    daily.value = totalValue.dividedBy(personDays, DetailDecimals).value_or(Money());
    for (int n = 0; n < NutrientCount; ++n)
        daily.values[size_t(n)] = Rounding::round(totals.at(size_t(n)) / personDays, detailDecimals(n));
    daily.calories = calories(daily.amount(Nutrient::Energia));
    daily.addedSalt = Rounding::round(totalAddedSalt / personDays, DetailDecimals);
    daily.addedSugar = Rounding::round(totalAddedSugar / personDays, DetailDecimals);
    rows << daily;

    NutrientDetailRow closing;
    closing.kind = NutrientDetailRow::Kind::Closing;
    closing.account = QStringLiteral("--");
    closing.number = QStringLiteral("-");
    rows << closing;
    return rows;
}

} // namespace NutrientCalculation
