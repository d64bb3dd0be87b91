#include "reports/NutrientSource.h"

#include "store/RowReader.h"
#include "store/Sql.h"

#include <QMap>

namespace NutrientSource {

namespace {

// Exact money sums on both engines: each value as whole ten-thousandths, added as integers.
const QString MoneyUnitsSum = QStringLiteral("SUM(CAST(ROUND(k.\"Anyagar\" * 10000) AS BIGINT))");

} // namespace

QString mealCondition(const QString &column, const QStringList &meals)
{
    QString condition = QStringLiteral("(");
    for (qsizetype i = 0; i < meals.size(); ++i)
        condition += column + QStringLiteral(" = ? OR ");
    return condition + QStringLiteral("1 = 0)");
}

Checked<QHash<MaterialKey, NutrientMaterial>> materials(QSqlDatabase db)
{
    QString sql = QStringLiteral(
        "SELECT \"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", \"MenySzorzo\", "
        "\"Hso\", \"Hcukor\"");
    for (int n = 0; n < NutrientCount; ++n)
        sql += QStringLiteral(", \"%1\"").arg(NutrientKinds::field(Nutrient(n)));
    sql += QStringLiteral(" FROM \"Anyag\"");
    const auto rows = readRows<NutrientMaterial>(db, sql, {}, [](const QSqlQuery &q) {
        NutrientMaterial m;
        m.account = q.value(0).toString();
        m.number = q.value(1).toString();
        m.name = q.value(2).toString();
        m.group = q.value(3).toString();
        m.unit = q.value(4).toString();
        m.gramsPerUnit = q.value(5).toDouble() * 100;
        m.addedSalt = Sql::toFlag(q.value(6));
        m.addedSugar = Sql::toFlag(q.value(7));
        for (int n = 0; n < NutrientCount; ++n)
            m.perUnit[size_t(n)] = q.value(8 + n).toDouble();
        return m;
    });
    if (!rows.ok())
        return Checked<QHash<MaterialKey, NutrientMaterial>>::refused(rows.refusal);
    QHash<MaterialKey, NutrientMaterial> byKey;
    for (const NutrientMaterial &m : rows.value)
        byKey.insert(m.key(), m);
    return Checked<QHash<MaterialKey, NutrientMaterial>>::accepted(byKey);
}

Checked<QList<FoodGroup>> foodGroups(QSqlDatabase db)
{
    return readRows<FoodGroup>(db,
        QStringLiteral("SELECT \"Kod\", \"Megnevezes\" FROM \"Anyagcsoport\" ORDER BY \"Kod\""), {},
        [](const QSqlQuery &q) { return FoodGroup {q.value(0).toString(), q.value(1).toString()}; });
}

Checked<QList<NutrientUse>> period(QSqlDatabase db, const NutrientPeriod &period)
{
    const Checked<QHash<MaterialKey, NutrientMaterial>> known = materials(db);
    if (!known.ok())
        return Checked<QList<NutrientUse>>::refused(known.refusal);
    const QString sql = QStringLiteral(
        "SELECT k.\"FokSzam\", k.\"NyilvSzam\", SUM(k.\"Mennyiseg\"), %1 FROM \"Kiszabat\" k "
        "JOIN \"Letszam\" l ON l.\"Datum\" = k.\"Datum\" AND l.\"Etkezesek\" = k.\"EtkKod\" "
        "WHERE l.\"Mozgnem\" BETWEEN ? AND ? AND k.\"Datum\" BETWEEN ? AND ? AND %2 "
        "GROUP BY k.\"FokSzam\", k.\"NyilvSzam\" ORDER BY k.\"FokSzam\", k.\"NyilvSzam\"")
                            .arg(MoneyUnitsSum, mealCondition(QStringLiteral("k.\"EtkKod\""), period.meals));
    QVariantList values {period.movementFrom, period.movementTo, Sql::date(period.from), Sql::date(period.to)};
    for (const QString &meal : period.meals)
        values << meal;
    struct Sum
    {
        MaterialKey key;
        double quantity;
        qint64 units;
    };
    const auto sums = readRows<Sum>(db, sql, values, [](const QSqlQuery &q) {
        return Sum {{q.value(0).toString(), q.value(1).toString()}, q.value(2).toDouble(), q.value(3).toLongLong()};
    });
    if (!sums.ok())
        return Checked<QList<NutrientUse>>::refused(sums.refusal);
    QList<NutrientUse> uses;
    for (const Sum &sum : sums.value) {
        const auto material = known.value.constFind(sum.key);
        if (material != known.value.cend())
            uses << NutrientUse {*material, sum.quantity, Money::fromUnits(sum.units)};
    }
    return Checked<QList<NutrientUse>>::accepted(uses);
}

Checked<NutrientDivisor> periodDivisor(QSqlDatabase db, const NutrientPeriod &period)
{
    const QString sql = QStringLiteral(
        "SELECT \"Datum\", SUM(\"Letszam\"), COUNT(*) FROM \"Letszam\" "
        "WHERE \"Kiadva\" = ? AND \"Mozgnem\" BETWEEN ? AND ? AND \"Datum\" BETWEEN ? AND ? AND %1 "
        "GROUP BY \"Datum\"")
                            .arg(mealCondition(QStringLiteral("\"Etkezesek\""), period.meals));
    QVariantList values {
        Sql::flag(true), period.movementFrom, period.movementTo, Sql::date(period.from), Sql::date(period.to)};
    for (const QString &meal : period.meals)
        values << meal;
    const auto averages = readRows<double>(
        db, sql, values, [](const QSqlQuery &q) { return q.value(1).toDouble() / q.value(2).toDouble(); });
    if (!averages.ok())
        return Checked<NutrientDivisor>::refused(averages.refusal);
    return Checked<NutrientDivisor>::accepted(NutrientDivisor::fromDailyAverages(averages.value));
}

QList<NutrientUse> sheet(const QHash<MaterialKey, NutrientMaterial> &materials, const QList<RationLine> &lines,
    const QStringList &meals)
{
    QMap<MaterialKey, NutrientUse> byKey;
    for (const RationLine &line : lines) {
        if (!meals.contains(line.mealCode))
            continue;
        const auto material = materials.constFind(line.key());
        if (material == materials.cend())
            continue;
        NutrientUse &use = byKey[line.key()];
        use.material = *material;
        use.quantity += line.quantity;
        use.value += line.value;
    }
    return byKey.values();
}

NutrientDivisor sheetDivisor(const QList<RationMeal> &meals, const QStringList &chosen)
{
    double sum = 0;
    int count = 0;
    for (const RationMeal &meal : meals) {
        if (chosen.contains(meal.code)) {
            sum += meal.headcount;
            ++count;
        }
    }
    return NutrientDivisor::fromDailyAverages(count == 0 ? QList<double>() : QList<double> {sum / count});
}

QList<RationMeal> sheetMeals(const QList<RationLine> &lines)
{
    QList<RationMeal> meals;
    QStringList seen;
    for (const RationLine &line : lines) {
        if (seen.contains(line.mealCode))
            continue;
        seen << line.mealCode;
        meals << RationMeal {line.mealCode, line.mealName, line.headcount, Money()};
    }
    return meals;
}

} // namespace NutrientSource
