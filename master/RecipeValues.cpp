#include "master/RecipeValues.h"

#include "core/Rounding.h"
#include "core/WideInteger.h"
#include "master/RecipeVatRates.h"

#include <limits>

namespace {

using WideInteger::Wide;

constexpr int QuantityPlaces = 6;
constexpr int PercentPlaces = 4;

// A number as a whole count of 10^-places, halves to even: quantities are stored with three
// decimals and VAT percents with two, so the places taken keep all of them.
Wide scaled(double value, int places)
{
    QString digits = Rounding::fixedText(value, places);
    digits.remove(QLatin1Char('.'));
    return Wide(digits.toLongLong());
}

// numerator / 10^places, halves to even, held to Money's range.
Money moneyFromScaled(Wide numerator, int places)
{
    const Wide quotient = WideInteger::divideHalfEven(numerator, WideInteger::power10(places));
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    return Money::fromUnits(quotient > Wide(max) ? max : quotient < Wide(min) ? min : qint64(quotient));
}

} // namespace

const QStringList &RecipeValues::headerFields()
{
    static const QStringList fields {QStringLiteral("Energia"), QStringLiteral("Feherje"), QStringLiteral("Allati"),
        QStringLiteral("Zsir"), QStringLiteral("ZsirTe"), QStringLiteral("Transz"), QStringLiteral("Szenhidrat"),
        QStringLiteral("Cukor"), QStringLiteral("Hamu"), QStringLiteral("Rost"), QStringLiteral("Koleszterin"),
        QStringLiteral("So"), QStringLiteral("Kalcium")};
    return fields;
}

const QStringList &RecipeValues::materialFields()
{
    static const QStringList fields {QStringLiteral("Energia"), QStringLiteral("Feherje"), QStringLiteral("AllatiFeh"),
        QStringLiteral("Zsir"), QStringLiteral("ZsirTe"), QStringLiteral("Transz"), QStringLiteral("Szenhidrat"),
        QStringLiteral("Cukor"), QStringLiteral("Hamu"), QStringLiteral("Rost"), QStringLiteral("Koleszterin"),
        QStringLiteral("So"), QStringLiteral("Kalcium")};
    return fields;
}

RecipeValues RecipeValues::compute(const QList<RecipeIngredient> &ingredients, const RecipeVatRates &rates)
{
    static const int sugar = headerFields().indexOf(QStringLiteral("Cukor"));
    static const int salt = headerFields().indexOf(QStringLiteral("So"));

    RecipeValues values;
    values.nutrients = QList<double>(headerFields().size(), 0.0);
    // Cost and VAT are summed exactly and rounded to four decimals once: a price (10^-4) times a
    // quantity (10^-6) is a count of 10^-10, times a percent (10^-4) over 100 one of 10^-16.
    Wide netto = 0;
    Wide afa = 0;
    for (const RecipeIngredient &line : ingredients) {
        for (int i = 0; i < values.nutrients.size() && i < line.nutrients.size(); ++i) {
            const double product = Rounding::round(line.nutrients.at(i) * line.quantity, 3);
            values.nutrients[i] += product;
            if (i == sugar && line.addedSugar)
                values.addedSugar += product;
            if (i == salt && line.addedSalt)
                values.addedSalt += product;
        }
        const Wide cost = Wide(line.price.units()) * scaled(line.quantity, QuantityPlaces);
        netto += cost;
        afa += cost * scaled(rates.percent(line.vatGroup), PercentPlaces);
    }
    values.netto = moneyFromScaled(netto, QuantityPlaces);
    values.afa = moneyFromScaled(afa, QuantityPlaces + PercentPlaces + 2);
    // Sums of three-decimal products: take off the binary noise of the additions.
    for (double &total : values.nutrients)
        total = Rounding::round(total, 3);
    values.addedSugar = Rounding::round(values.addedSugar, 3);
    values.addedSalt = Rounding::round(values.addedSalt, 3);
    return values;
}

double RecipeValues::nutrient(const QString &headerField) const
{
    const int index = headerFields().indexOf(headerField);
    return index >= 0 && index < nutrients.size() ? nutrients.at(index) : 0.0;
}
