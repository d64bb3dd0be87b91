#include "menu/RationInput.h"

#include "core/HungarianOrder.h"
#include "menu/RationSql.h"
#include "store/RowReader.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace RationInput {

static const QString RecipeAccount = QStringLiteral("1000");

Checked<QList<RationMeal>> offeredMeals(QSqlDatabase db, const QDate &from, const QDate &to)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT l.\"Etkezesek\", k.\"Megnevezes\", l.\"Letszam\", k.\"Norma\", l.\"Datum\" FROM \"Letszam\" l "
        "JOIN \"Etkezesek\" k ON k.\"EtkTip\" = l.\"Etkezesek\" "
        "WHERE l.\"Datum\" >= ? AND l.\"Datum\" <= ? AND l.\"Kiadva\" = FALSE "
        "ORDER BY l.\"Etkezesek\", l.\"Datum\""));
    query.addBindValue(Sql::date(from));
    query.addBindValue(Sql::date(to));
    if (!query.exec())
        return Checked<QList<RationMeal>>::refused(WriteFailure::readFailed(query.lastError()));
    QList<RationMeal> meals;
    QSet<QString> seen;
    while (query.next()) {
        const QString code = query.value(0).toString();
        if (seen.contains(code))
            continue;
        seen.insert(code);
        meals << RationMeal {code, query.value(1).toString(), query.value(2).toInt(), Sql::toMoney(query.value(3))};
    }
    return Checked<QList<RationMeal>>::accepted(meals);
}

Checked<QList<RationMeal>> meals(QSqlDatabase db, const QDate &date, const QStringList &codes)
{
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT l.\"Etkezesek\", k.\"Megnevezes\", l.\"Letszam\", k.\"Norma\" FROM \"Letszam\" l "
                       "JOIN \"Etkezesek\" k ON k.\"EtkTip\" = l.\"Etkezesek\" "
                       "WHERE l.\"Datum\" = ? AND l.\"Kiadva\" = FALSE AND ")
        + RationSql::anyOf(QStringLiteral("l.\"Etkezesek\""), int(codes.size()))
        + QStringLiteral(" ORDER BY l.\"Etkezesek\""));
    query.addBindValue(Sql::date(date));
    RationSql::bindAll(query, codes);
    if (!query.exec())
        return Checked<QList<RationMeal>>::refused(WriteFailure::readFailed(query.lastError()));
    QList<RationMeal> meals;
    while (query.next())
        meals << RationMeal {
            query.value(0).toString(), query.value(1).toString(), query.value(2).toInt(), Sql::toMoney(query.value(3))};
    return Checked<QList<RationMeal>>::accepted(meals);
}

// The menu rows of one kind: recipe dishes (named by ReceptFej) or material dishes (named by
// Anyag, unit code known to Mertegys).
static Refusal readMenuRows(QSqlDatabase db, bool recipes, const QDate &from, const QDate &to, const QStringList &codes,
    QList<RationMenuRow> *rows)
{
    const QString dish = recipes
        ? QStringLiteral("JOIN \"ReceptFej\" d ON d.\"EtelKod\" = e.\"EtelKod\" "
                         "WHERE e.\"FokSzam\" = ? AND ")
        : QStringLiteral("JOIN \"Anyag\" d ON d.\"FokonyviSzam\" = e.\"FokSzam\" AND d.\"NyilvSzam\" = e.\"EtelKod\" "
                         "JOIN \"Mertegys\" m ON m.\"MertKod\" = d.\"Mertekegyseg\" "
                         "WHERE e.\"FokSzam\" <> ? AND ");
    // The unit (recipes: none) and the decimals the dish's total is shown with.
    const QString unitAndDecimals = recipes ? QStringLiteral("'', 3") : QStringLiteral("d.\"Mertekegyseg\", d.\"Kerekites\"");
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT e.\"Datum\", e.\"EtkTip\", k.\"Megnevezes\", e.\"FokSzam\", e.\"EtelKod\", "
                                 "d.\"Megnevezes\", e.\"Mennyiseg\", l.\"Letszam\", ")
        + unitAndDecimals
        + QStringLiteral(", k.\"Norma\" FROM \"Etlap\" e "
                         "JOIN \"Letszam\" l ON l.\"Datum\" = e.\"Datum\" AND l.\"Etkezesek\" = e.\"EtkTip\" AND "
                         "l.\"Kiadva\" = FALSE "
                         "JOIN \"Etkezesek\" k ON k.\"EtkTip\" = e.\"EtkTip\" ")
        + dish + QStringLiteral("e.\"Datum\" >= ? AND e.\"Datum\" <= ? AND ")
        + RationSql::anyOf(QStringLiteral("e.\"EtkTip\""), int(codes.size()))
        + QStringLiteral(" ORDER BY e.\"EtlapAzon\""));
    query.addBindValue(RecipeAccount);
    query.addBindValue(Sql::date(from));
    query.addBindValue(Sql::date(to));
    RationSql::bindAll(query, codes);
    if (!query.exec())
        return WriteFailure::readFailed(query.lastError());
    while (query.next()) {
        RationMenuRow row;
        row.date = Sql::toDate(query.value(0));
        row.mealCode = query.value(1).toString();
        row.mealName = query.value(2).toString();
        row.account = query.value(3).toString();
        row.code = query.value(4).toString();
        row.dishName = query.value(5).toString();
        row.perPerson = query.value(6).toDouble();
        row.headcount = query.value(7).toInt();
        row.unit = recipes ? QStringLiteral("Adag") : query.value(8).toString();
        row.normPerPerson = Sql::toMoney(query.value(10));
        if (!query.value(9).isNull())
            row.decimals = query.value(9).toInt();
        *rows << row;
    }
    return Refusal();
}

Checked<QList<RationMenuRow>> menuRows(QSqlDatabase db, const QDate &from, const QDate &to, const QStringList &codes)
{
    QList<RationMenuRow> rows;
    for (const bool recipes : {true, false}) {
        const Refusal refusal = readMenuRows(db, recipes, from, to, codes, &rows);
        if (refusal)
            return Checked<QList<RationMenuRow>>::refused(refusal);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const RationMenuRow &a, const RationMenuRow &b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (a.mealCode != b.mealCode)
            return a.mealCode < b.mealCode;
        return HungarianOrder::less(a.dishName, b.dishName);
    });
    return Checked<QList<RationMenuRow>>::accepted(rows);
}

Checked<QHash<QString, QList<Ingredient>>> ingredients(QSqlDatabase db, const QList<RationMenuRow> &rows)
{
    QStringList codes;
    for (const RationMenuRow &row : rows)
        if (row.account == RecipeAccount && !codes.contains(row.code))
            codes << row.code;
    QHash<QString, QList<Ingredient>> result;
    if (codes.isEmpty())
        return Checked<QHash<QString, QList<Ingredient>>>::accepted(result);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT \"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\" FROM \"Recept\" WHERE ")
        + RationSql::anyOf(QStringLiteral("\"EtelKod\""), int(codes.size()))
        + QStringLiteral(" ORDER BY \"ReceptAzon\""));
    RationSql::bindAll(query, codes);
    if (!query.exec())
        return Checked<QHash<QString, QList<Ingredient>>>::refused(WriteFailure::readFailed(query.lastError()));
    while (query.next())
        result[query.value(0).toString()]
            << Ingredient {query.value(1).toString(), query.value(2).toString(), query.value(3).toDouble()};
    return Checked<QHash<QString, QList<Ingredient>>>::accepted(result);
}

Checked<LookupList> accounts(QSqlDatabase db)
{
    return readRows<LookupEntry>(db,
        QStringLiteral("SELECT \"FokonyviSzam\", \"Megnevezes\" FROM \"Fokszam\" ORDER BY \"FokonyviSzam\""), {},
        [](const QSqlQuery &query) { return LookupEntry {query.value(0).toString(), query.value(1).toString()}; });
}

Checked<QHash<MaterialKey, RationMaterial>> materials(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT a.\"FokonyviSzam\", a.\"NyilvSzam\", a.\"Megnevezes\", a.\"Mertekegyseg\", a.\"Kerekites\", "
        "m.\"MertKod\", a.\"NyilvAr\", a.\"KeszletMennyiseg\" FROM \"Anyag\" a "
        "LEFT JOIN \"Mertegys\" m ON m.\"MertKod\" = a.\"Mertekegyseg\""));
    if (!query.exec())
        return Checked<QHash<MaterialKey, RationMaterial>>::refused(WriteFailure::readFailed(query.lastError()));
    QHash<MaterialKey, RationMaterial> result;
    while (query.next()) {
        RationMaterial material;
        material.account = query.value(0).toString();
        material.number = query.value(1).toString();
        material.name = query.value(2).toString();
        material.unit = query.value(3).toString();
        material.decimals = query.value(4).toInt();
        material.listed = !query.value(5).isNull();
        material.price = Sql::toMoney(query.value(6));
        material.stock = query.value(7).toDouble();
        result.insert(MaterialKey {material.account, material.number}, material);
    }
    return Checked<QHash<MaterialKey, RationMaterial>>::accepted(result);
}

} // namespace RationInput
