#include "menu/RationViews.h"

#include "core/HungarianOrder.h"
#include "core/NumberFormat.h"
#include "menu/RationRounding.h"

#include <QHash>
#include <QLocale>
#include <algorithm>

namespace RationViews {

QList<DishRow> dishes(const QList<RationMenuRow> &menu)
{
    QList<DishRow> rows;
    QHash<QString, int> index;
    for (const RationMenuRow &row : menu) {
        const QString key
            = row.account + QLatin1Char('|') + row.code + QLatin1Char('|') + row.dishName + QLatin1Char('|') + row.unit;
        const auto it = index.constFind(key);
        if (it == index.constEnd()) {
            index.insert(key, int(rows.size()));
            rows << DishRow {row.dishName, row.headcount, row.total(), row.unit, row.decimals};
            continue;
        }
        rows[it.value()].headcount += row.headcount;
        rows[it.value()].total += row.total();
    }
    std::stable_sort(
        rows.begin(), rows.end(), [](const DishRow &a, const DishRow &b) { return HungarianOrder::less(a.dishName, b.dishName); });
    return rows;
}

QList<DetailRow> details(const RationSheet &sheet)
{
    QList<DetailRow> rows;
    for (const RationLine &line : sheet.lines()) {
        const RationMaterial *material = sheet.material(line.key());
        if (!material || !material->listed)
            continue;
        DetailRow row;
        row.id = line.id;
        row.mealCode = line.mealCode;
        row.mealName = line.mealName;
        row.headcount = line.headcount;
        row.dishName = line.dishName;
        row.account = material->account;
        row.number = material->number;
        row.materialName = material->name;
        row.quantity = RationRounding::sheet(line.quantity, material->decimals);
        row.unit = material->unit;
        row.value = line.value;
        row.decimals = material->decimals;
        rows << row;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const DetailRow &a, const DetailRow &b) {
        if (a.mealCode != b.mealCode)
            return a.mealCode < b.mealCode;
        if (const int dish = HungarianOrder::compare(a.dishName, b.dishName))
            return dish < 0;
        return HungarianOrder::less(a.materialName, b.materialName);
    });
    bool odd = false;
    for (int i = 0; i < rows.size(); ++i) {
        if (i > 0 && (rows[i].mealCode != rows[i - 1].mealCode || rows[i].dishName != rows[i - 1].dishName))
            odd = !odd;
        rows[i].group = odd ? QStringLiteral("0001") : QStringLiteral("0000");
    }
    return rows;
}

static QString amount(const Money &value)
{
    return NumberFormat::format(value, QStringLiteral("### ### ##0.00 "))
        + QLocale(QLocale::Hungarian, QLocale::Hungary).currencySymbol();
}

QString normText(const Money &frame, const Money &value)
{
    return QStringLiteral("Norma keret: ") + amount(frame) + QStringLiteral("  Valós érték: ") + amount(value)
        + QStringLiteral("  Megtakarítás: ") + amount(frame - value);
}

QString normText(const RationSheet &sheet)
{
    return normText(sheet.normFrame(), sheet.realValue());
}

} // namespace RationViews
