#include "menu/RationLines.h"

#include "menu/RationQuantity.h"

#include <QSet>

namespace RationLines {

static RationLine lineOf(const RationMenuRow &row, const QString &account, const QString &number, double quantity)
{
    RationLine line;
    line.account = account;
    line.number = number;
    line.dishName = row.dishName;
    line.quantity = quantity;
    line.unit = row.unit;
    line.date = row.date;
    line.mealCode = row.mealCode;
    line.mealName = row.mealName;
    line.headcount = row.headcount;
    line.normPerPerson = row.normPerPerson;
    line.normMeal = row.normPerPerson.multiplied(row.headcount);
    return line;
}

QList<RationLine> compute(
    const QList<RationMenuRow> &rows, const QHash<QString, QList<RationInput::Ingredient>> &ingredients)
{
    QList<RationLine> lines;
    for (const RationMenuRow &row : rows) {
        const RationQuantity portions = RationQuantity::fromDouble(row.perPerson).times(row.headcount);
        if (row.account != QLatin1String("1000")) {
            lines << lineOf(row, row.account, row.code, portions.toDouble());
            continue;
        }
        for (const RationInput::Ingredient &ingredient : ingredients.value(row.code))
            lines << lineOf(row, ingredient.account, ingredient.number,
                RationQuantity::fromDouble(ingredient.per100).times(portions).dividedBy(100).toDouble());
    }
    return lines;
}

Money normFrame(const QList<RationLine> &lines)
{
    QSet<QString> counted;
    Money frame;
    for (const RationLine &line : lines) {
        const QString meal = line.date.toString(Qt::ISODate) + QLatin1Char('|') + line.mealCode;
        if (counted.contains(meal))
            continue;
        counted.insert(meal);
        frame += line.normMeal;
    }
    return frame;
}

Money value(const QList<RationLine> &lines)
{
    Money total;
    for (const RationLine &line : lines)
        total += line.value;
    return total;
}

} // namespace RationLines
