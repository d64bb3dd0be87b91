#include "alacarte/CartSheetBuilder.h"

#include "menu/RationInput.h"
#include "menu/RationLines.h"

namespace CartSheetBuilder {

// The open rows of the date, of the chosen groups only when `codes` is given.
static Checked<QList<CartMenuListRow>> openRows(QSqlDatabase db, const QDate &date, const QStringList *codes)
{
    auto rows = CartMenuList::read(db, date, date);
    if (!rows.ok())
        return rows;
    rows.value.removeIf(
        [codes](const CartMenuListRow &row) { return !row.open || (codes && !codes->contains(row.group)); });
    return rows;
}

static QList<RationMeal> groupsOf(const QList<CartMenuListRow> &rows)
{
    QList<RationMeal> groups;
    for (const CartMenuListRow &row : rows) {
        if (!groups.isEmpty() && groups.last().code == row.group)
            continue;
        groups << RationMeal {row.group, row.groupName, row.headcount, Money()};
    }
    return groups;
}

Checked<QList<RationMeal>> offeredGroups(QSqlDatabase db, const QDate &date)
{
    const auto rows = openRows(db, date, nullptr);
    if (!rows.ok())
        return Checked<QList<RationMeal>>::refused(rows.refusal);
    return Checked<QList<RationMeal>>::accepted(groupsOf(rows.value));
}

Checked<QList<RationMeal>> openGroups(QSqlDatabase db, const QDate &date, const QStringList &codes)
{
    const auto rows = openRows(db, date, &codes);
    if (!rows.ok())
        return Checked<QList<RationMeal>>::refused(rows.refusal);
    return Checked<QList<RationMeal>>::accepted(groupsOf(rows.value));
}

static RationMenuRow dishOf(const CartMenuListRow &row)
{
    RationMenuRow dish;
    dish.date = row.date;
    dish.mealCode = row.group;
    dish.mealName = row.groupName;
    dish.account = row.account;
    dish.code = row.dish;
    dish.dishName = row.dishName;
    dish.perPerson = row.quantity;
    dish.headcount = row.headcount;
    dish.unit = row.unit;
    dish.decimals = row.decimals;
    return dish;
}

Checked<Result> compute(QSqlDatabase db, const QDate &date, const QStringList &groupCodes, RationStockSource &stock)
{
    const auto rows = openRows(db, date, &groupCodes);
    if (!rows.ok())
        return Checked<Result>::refused(rows.refusal);
    if (rows.value.isEmpty())
        return Checked<Result>::refused(Refusal::warning(
            QStringLiteral("Erre a napra nincs kiadható étel csoport!"), QStringLiteral("lstEtkezesek")));
    QList<RationMenuRow> dishes;
    QList<qint64> covered;
    for (const CartMenuListRow &row : rows.value) {
        dishes << dishOf(row);
        covered << row.id;
    }
    const auto ingredients = RationInput::ingredients(db, dishes);
    if (!ingredients.ok())
        return Checked<Result>::refused(ingredients.refusal);
    const auto materials = RationInput::materials(db);
    if (!materials.ok())
        return Checked<Result>::refused(materials.refusal);
    const auto stockAt = stock.stockAt(date);
    if (!stockAt.ok())
        return Checked<Result>::refused(stockAt.refusal);
    Result result {rows.value, dishes,
        RationSheet(date, groupsOf(rows.value), materials.value, stockAt.value, RationPolicy::aLaCarte()), covered};
    result.sheet.setLines(RationLines::compute(dishes, ingredients.value));
    return Checked<Result>::accepted(result);
}

} // namespace CartSheetBuilder
