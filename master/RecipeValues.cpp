#include "master/RecipeValues.h"

#include "core/Rounding.h"
#include "master/RecipeVatRates.h"

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
    for (const RecipeIngredient &line : ingredients) {
        for (int i = 0; i < values.nutrients.size() && i < line.nutrients.size(); ++i) {
            const double product = Rounding::round(line.nutrients.at(i) * line.quantity, 3);
            values.nutrients[i] += product;
            if (i == sugar && line.addedSugar)
                values.addedSugar += product;
            if (i == salt && line.addedSalt)
                values.addedSalt += product;
        }
        values.netto += line.price.multiplied(line.quantity);
        values.afa += line.price.multiplied(line.quantity * rates.percent(line.vatGroup) / 100.0);
    }
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
