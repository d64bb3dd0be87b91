#include "reports/MenuDishRows.h"

#include "core/HungarianOrder.h"
#include "core/MaterialKey.h"
#include "reports/NutrientCalculation.h"
#include "reports/NutrientSource.h"
#include "store/RowReader.h"
#include "store/Sql.h"

#include <QHash>
#include <QSet>

#include <algorithm>

DishValues &DishValues::operator+=(const DishValues &other)
{
    energia += other.energia;
    feherje += other.feherje;
    zsir += other.zsir;
    zsirTe += other.zsirTe;
    szenhidrat += other.szenhidrat;
    cukor += other.cukor;
    so += other.so;
    hCukor += other.hCukor;
    hSo += other.hSo;
    kaloria += other.kaloria;
    return *this;
}

Checked<QList<ServedDish>> DailyMenuSource::served(
    QSqlDatabase db, const QDate &from, const QDate &to, const QStringList &groups)
{
    const QString sql = QStringLiteral(
        "SELECT e.\"EtlapAzon\", e.\"Datum\", e.\"EtkTip\", k.\"Megnevezes\", k.\"Tip\", k.\"Enorma\", "
        "e.\"FokSzam\", e.\"EtelKod\", e.\"Mennyiseg\" FROM \"Etlap\" e "
        "JOIN \"Etkezesek\" k ON k.\"EtkTip\" = e.\"EtkTip\" "
        "WHERE e.\"Datum\" BETWEEN ? AND ? AND %1 ORDER BY e.\"EtlapAzon\"")
                            .arg(NutrientSource::mealCondition(QStringLiteral("e.\"EtkTip\""), groups));
    QVariantList values {Sql::date(from), Sql::date(to)};
    for (const QString &group : groups)
        values << group;
    return readRows<ServedDish>(db, sql, values, [](const QSqlQuery &q) {
        return ServedDish {q.value(0).toLongLong(), Sql::toDate(q.value(1)), q.value(2).toString(),
            q.value(3).toString(), q.value(4).toString(), q.value(5).toString(), q.value(6).toString(),
            q.value(7).toString(), q.value(8).toDouble()};
    });
}

namespace MenuDishRows {

namespace {

struct Dish
{
    QString name;
    QString unit;
    DishValues values; // per 100 portions (recipe) or per unit (material)
    bool addedSugar = true;
    bool addedSalt = true;
};

// Marks per material key (text), from AllergenAny or AllergenAnyT.
Checked<QHash<QString, QStringList>> materialMarks(QSqlDatabase db, const QString &table)
{
    struct Mark
    {
        QString key;
        QString mark;
    };
    const auto rows = readRows<Mark>(db,
        QStringLiteral("SELECT x.\"Fokszam\", x.\"NyilvSzam\", a.\"Jeloles\" FROM \"%1\" x "
                       "JOIN \"Allergen\" a ON a.\"AzonAl\" = x.\"AzonAl\"")
            .arg(table),
        {}, [](const QSqlQuery &q) {
            return Mark {MaterialKey {q.value(0).toString(), q.value(1).toString()}.text(), q.value(2).toString()};
        });
    if (!rows.ok())
        return Checked<QHash<QString, QStringList>>::refused(rows.refusal);
    QHash<QString, QStringList> marks;
    for (const Mark &row : rows.value)
        marks[row.key] = mergedMarks(marks.value(row.key), {row.mark.trimmed()});
    return Checked<QHash<QString, QStringList>>::accepted(marks);
}

DishValues valuesOf(const QSqlQuery &q, int first)
{
    DishValues v;
    v.energia = q.value(first).toDouble();
    v.feherje = q.value(first + 1).toDouble();
    v.zsir = q.value(first + 2).toDouble();
    v.zsirTe = q.value(first + 3).toDouble();
    v.szenhidrat = q.value(first + 4).toDouble();
    v.cukor = q.value(first + 5).toDouble();
    v.so = q.value(first + 6).toDouble();
    return v;
}

DishValues scaled(const DishValues &v, double factor)
{
    DishValues s;
    s.energia = v.energia * factor;
    s.feherje = v.feherje * factor;
    s.zsir = v.zsir * factor;
    s.zsirTe = v.zsirTe * factor;
    s.szenhidrat = v.szenhidrat * factor;
    s.cukor = v.cukor * factor;
    s.so = v.so * factor;
    s.hCukor = v.hCukor * factor;
    s.hSo = v.hSo * factor;
    s.kaloria = NutrientCalculation::calories(s.energia);
    return s;
}

// The per-portion values in the order valuesOf reads them.
const QString ValueFields = QStringLiteral(
    "\"Energia\", \"Feherje\", \"Zsir\", \"ZsirTe\", \"Szenhidrat\", \"Cukor\", \"So\"");
const QString MaterialValueFields = QStringLiteral(
    "a.\"Energia\", a.\"Feherje\", a.\"Zsir\", a.\"ZsirTe\", a.\"Szenhidrat\", a.\"Cukor\", a.\"So\"");

} // namespace

QStringList mergedMarks(const QStringList &marks, const QStringList &more)
{
    QStringList merged = marks;
    for (const QString &mark : more)
        if (!mark.isEmpty() && !merged.contains(mark))
            merged << mark;
    std::sort(merged.begin(), merged.end());
    return merged;
}

Checked<QList<MenuDish>> build(QSqlDatabase db, ServedDishSource &source, const QDate &from, const QDate &to,
    const QStringList &groups)
{
    using Result = Checked<QList<MenuDish>>;
    const Checked<QList<ServedDish>> served = source.served(db, from, to, groups);
    if (!served.ok())
        return Result::refused(served.refusal);

    const auto recipes = readRows<QPair<QString, Dish>>(db,
        QStringLiteral("SELECT \"EtelKod\", \"Megnevezes\", %1, \"HCukor\", \"HSo\" FROM \"ReceptFej\"")
            .arg(ValueFields),
        {}, [](const QSqlQuery &q) {
            Dish d {q.value(1).toString(), QStringLiteral("Adag"), valuesOf(q, 2)};
            d.values.hCukor = q.value(9).toDouble();
            d.values.hSo = q.value(10).toDouble();
            return qMakePair(q.value(0).toString(), d);
        });
    if (!recipes.ok())
        return Result::refused(recipes.refusal);
    const auto materials = readRows<QPair<QString, Dish>>(db,
        QStringLiteral("SELECT a.\"FokonyviSzam\", a.\"NyilvSzam\", a.\"Megnevezes\", a.\"Mertekegyseg\", %1, "
                       "a.\"Hcukor\", a.\"Hso\" FROM \"Anyag\" a JOIN \"Mertegys\" m ON m.\"MertKod\" = a.\"Mertekegyseg\"")
            .arg(MaterialValueFields),
        {}, [](const QSqlQuery &q) {
            Dish d {q.value(2).toString(), q.value(3).toString(), valuesOf(q, 4)};
            d.addedSugar = Sql::toFlag(q.value(11));
            d.addedSalt = Sql::toFlag(q.value(12));
            d.values.hCukor = d.addedSugar ? d.values.cukor : 0;
            d.values.hSo = d.addedSalt ? d.values.so : 0;
            return qMakePair(MaterialKey {q.value(0).toString(), q.value(1).toString()}.text(), d);
        });
    if (!materials.ok())
        return Result::refused(materials.refusal);
    const auto ingredients = readRows<QPair<QString, QString>>(db,
        QStringLiteral("SELECT \"EtelKod\", \"FokSzla\", \"NyilvSzam\" FROM \"Recept\""), {},
        [](const QSqlQuery &q) {
            return qMakePair(
                q.value(0).toString(), MaterialKey {q.value(1).toString(), q.value(2).toString()}.text());
        });
    if (!ingredients.ok())
        return Result::refused(ingredients.refusal);
    const auto contains = materialMarks(db, QStringLiteral("AllergenAny"));
    if (!contains.ok())
        return Result::refused(contains.refusal);
    const auto mayContain = materialMarks(db, QStringLiteral("AllergenAnyT"));
    if (!mayContain.ok())
        return Result::refused(mayContain.refusal);

    QHash<QString, Dish> recipeByCode;
    for (const auto &[code, dish] : recipes.value)
        recipeByCode.insert(code, dish);
    QHash<QString, Dish> materialByKey;
    for (const auto &[key, dish] : materials.value)
        materialByKey.insert(key, dish);
    QHash<QString, QStringList> recipeMaterials;
    for (const auto &[code, key] : ingredients.value)
        recipeMaterials[code] << key;

    QHash<QString, QPair<QStringList, QStringList>> recipeMarks;
    QList<MenuDish> dishes;
    for (const ServedDish &row : served.value) {
        MenuDish dish;
        dish.menuId = row.menuId;
        dish.date = row.date;
        dish.groupCode = row.groupCode;
        dish.groupName = row.groupName;
        dish.tip = row.tip;
        dish.enorma = row.enorma;
        dish.quantity = row.quantity;
        dish.account = row.account;
        dish.number = row.code;
        if (dish.isRecipe()) {
            const auto recipe = recipeByCode.constFind(row.code);
            if (recipe == recipeByCode.cend())
                continue;
            dish.name = recipe->name;
            dish.unit = recipe->unit;
            dish.values = scaled(recipe->values, row.quantity / 100);
            // A recipe's marks are merged once and kept: a menu serves the same recipes again and again.
            auto marks = recipeMarks.constFind(row.code);
            if (marks == recipeMarks.cend()) {
                QPair<QStringList, QStringList> merged;
                for (const QString &key : recipeMaterials.value(row.code)) {
                    merged.first = mergedMarks(merged.first, contains.value.value(key));
                    merged.second = mergedMarks(merged.second, mayContain.value.value(key));
                }
                marks = recipeMarks.insert(row.code, merged);
            }
            dish.allergens = marks->first;
            dish.mayContain = marks->second;
        } else {
            const QString key = MaterialKey {row.account, row.code}.text();
            const auto material = materialByKey.constFind(key);
            if (material == materialByKey.cend())
                continue;
            dish.name = material->name;
            dish.unit = material->unit;
            dish.values = scaled(material->values, row.quantity);
            dish.allergens = contains.value.value(key);
            dish.mayContain = mayContain.value.value(key);
        }
        dishes << dish;
    }
    return Result::accepted(dishes);
}

void sortByDate(QList<MenuDish> &dishes)
{
    std::stable_sort(dishes.begin(), dishes.end(), [](const MenuDish &a, const MenuDish &b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (const int c = HungarianOrder::compare(a.groupName, b.groupName))
            return c < 0;
        return HungarianOrder::less(a.name, b.name);
    });
}

} // namespace MenuDishRows
