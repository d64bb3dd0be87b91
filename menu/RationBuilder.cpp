#include "menu/RationBuilder.h"

#include "menu/RationInput.h"
#include "menu/RationLines.h"

namespace RationBuilder {

Checked<Result> compute(QSqlDatabase db, const QDate &date, const QStringList &mealCodes, RationStockSource &stock)
{
    const auto meals = RationInput::meals(db, date, mealCodes);
    if (!meals.ok())
        return Checked<Result>::refused(meals.refusal);
    if (meals.value.isEmpty())
        return Checked<Result>::refused(
            Refusal::warning(QStringLiteral("Erre a napra nincs kiadható étkezés!"), QStringLiteral("lstEtkezesek")));
    QStringList codes;
    for (const RationMeal &meal : meals.value)
        codes << meal.code;
    const auto menu = RationInput::menuRows(db, date, date, codes);
    if (!menu.ok())
        return Checked<Result>::refused(menu.refusal);
    const auto ingredients = RationInput::ingredients(db, menu.value);
    if (!ingredients.ok())
        return Checked<Result>::refused(ingredients.refusal);
    const auto materials = RationInput::materials(db);
    if (!materials.ok())
        return Checked<Result>::refused(materials.refusal);
    const auto stockAt = stock.stockAt(date);
    if (!stockAt.ok())
        return Checked<Result>::refused(stockAt.refusal);
    Result result {menu.value, RationSheet(date, meals.value, materials.value, stockAt.value)};
    result.sheet.setLines(RationLines::compute(menu.value, ingredients.value));
    return Checked<Result>::accepted(result);
}

} // namespace RationBuilder
