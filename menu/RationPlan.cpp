#include "menu/RationPlan.h"

#include "core/HungarianOrder.h"
#include "menu/RationInput.h"
#include "menu/RationLines.h"
#include "menu/RationRounding.h"

#include <algorithm>

bool RationPlan::hasShortage() const
{
    return std::any_of(totals.begin(), totals.end(), [](const RationTotal &total) { return total.isShort(); });
}

Checked<RationPlan> RationPlan::compute(QSqlDatabase db, const QDate &from, const QDate &to, const QStringList &meals)
{
    const auto menu = RationInput::menuRows(db, from, to, meals);
    if (!menu.ok())
        return Checked<RationPlan>::refused(menu.refusal);
    const auto ingredients = RationInput::ingredients(db, menu.value);
    if (!ingredients.ok())
        return Checked<RationPlan>::refused(ingredients.refusal);
    const auto materials = RationInput::materials(db);
    if (!materials.ok())
        return Checked<RationPlan>::refused(materials.refusal);

    RationPlan plan;
    plan.menu = menu.value;
    QHash<MaterialKey, int> index;
    QList<RationQuantity> sums;
    for (RationLine line : RationLines::compute(menu.value, ingredients.value)) {
        const auto material = materials.value.constFind(line.key());
        if (material == materials.value.constEnd())
            continue;
        line.price = material->price;
        line.value = line.price.multiplied(line.quantity);
        plan.lines << line;
        if (!material->listed)
            continue;
        const auto it = index.constFind(line.key());
        if (it != index.constEnd()) {
            sums[it.value()] += RationQuantity::fromDouble(line.quantity);
            continue;
        }
        index.insert(line.key(), int(plan.totals.size()));
        plan.totals << RationTotal {
            material->account, material->number, material->name, 0, material->stock, material->unit};
        sums << RationQuantity::fromDouble(line.quantity);
    }
    plan.normFrame = RationLines::normFrame(plan.lines);
    plan.realValue = RationLines::value(plan.lines);
    for (qsizetype i = 0; i < plan.totals.size(); ++i) {
        RationTotal &total = plan.totals[i];
        const int decimals = materials.value.value(total.key()).decimals;
        plan.decimals.insert(total.key(), decimals);
        total.quantity = RationRounding::planned(sums.at(i), decimals).toDouble();
    }
    std::stable_sort(plan.totals.begin(), plan.totals.end(),
        [](const RationTotal &a, const RationTotal &b) { return HungarianOrder::less(a.name, b.name); });
    return Checked<RationPlan>::accepted(plan);
}
