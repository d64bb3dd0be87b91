#include "menu/MenuList.h"

#include "menu/MenuRows.h"
#include "store/HungarianCollation.h"
#include "store/Sql.h"
#include "store/WorkTable.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace MenuList {

static const char *const Columns
    = "(\"EtlapAzon\", \"Datum\", \"EtkTip\", \"Megnevezes\", \"Mennyiseg\", \"Mertekegyseg\", "
      "\"EtkKod\", \"Tip\", \"Enorma\", \"NyilvSzam\", \"FokSzam\")";

bool rebuild(QSqlDatabase db, const Filter &filter, QString *error)
{
    if (!WorkTable::prepare(db, QStringLiteral("TmpEtlap"), error))
        return false;

    const QString code = filter.withCode ? QStringLiteral("e.\"EtelKod\"") : QStringLiteral("?");
    const QString dateFilter = filter.allDates ? QString() : QStringLiteral(" AND e.\"Datum\" = ?");
    const QString recipes = QStringLiteral("INSERT INTO \"TmpEtlap\" ") + QLatin1String(Columns)
        + QStringLiteral(
            " SELECT e.\"EtlapAzon\", e.\"Datum\", k.\"Megnevezes\", r.\"Megnevezes\", e.\"Mennyiseg\", ?, "
            "e.\"EtkTip\", k.\"Tip\", k.\"Enorma\", ")
        + code
        + QStringLiteral(", ? FROM \"Etlap\" e JOIN \"ReceptFej\" r ON r.\"EtelKod\" = e.\"EtelKod\" "
                         "JOIN \"Etkezesek\" k ON k.\"EtkTip\" = e.\"EtkTip\" WHERE e.\"FokSzam\" = ?")
        + dateFilter;
    const QString materials = QStringLiteral("INSERT INTO \"TmpEtlap\" ") + QLatin1String(Columns)
        + QStringLiteral(" SELECT e.\"EtlapAzon\", e.\"Datum\", k.\"Megnevezes\", a.\"Megnevezes\", e.\"Mennyiseg\", "
                         "a.\"Mertekegyseg\", e.\"EtkTip\", k.\"Tip\", k.\"Enorma\", ")
        + code
        + QStringLiteral(", ? FROM \"Etlap\" e JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = e.\"FokSzam\" "
                         "AND a.\"NyilvSzam\" = e.\"EtelKod\" JOIN \"Etkezesek\" k ON k.\"EtkTip\" = e.\"EtkTip\" "
                         "JOIN \"Mertegys\" m ON m.\"MertKod\" = a.\"Mertekegyseg\" WHERE e.\"FokSzam\" <> ?")
        + dateFilter;

    for (const QString &sql : {recipes, materials}) {
        QSqlQuery query(db);
        query.prepare(sql);
        if (sql == recipes)
            query.addBindValue(QStringLiteral("Adag"));
        if (!filter.withCode)
            query.addBindValue(QString());
        query.addBindValue(QString());
        query.addBindValue(MenuRows::recipeAccount());
        if (!filter.allDates)
            query.addBindValue(Sql::date(filter.date));
        if (!query.exec()) {
            if (error)
                *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

QString selectSql(Order order)
{
    const QString name = HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\""));
    QString orderBy;
    switch (order) {
    case Order::DateMealName:
        orderBy = QStringLiteral("\"Datum\", \"EtkKod\", %1, \"EtlapAzon\"").arg(name);
        break;
    case Order::Name:
        orderBy = name + QStringLiteral(", \"EtlapAzon\"");
        break;
    case Order::Id:
        orderBy = QStringLiteral("\"EtlapAzon\"");
        break;
    }
    return QStringLiteral("SELECT \"EtlapAzon\", \"Datum\", \"EtkTip\", \"NyilvSzam\", \"Megnevezes\", \"Mennyiseg\", "
                          "\"Mertekegyseg\", \"EtkKod\" FROM \"TmpEtlap\" ORDER BY ")
        + orderBy;
}

QString headcountDishesSql()
{
    return QStringLiteral("SELECT \"EtlapAzon\", \"Datum\", \"EtkTip\", \"Megnevezes\", \"Mennyiseg\", "
                          "\"Mertekegyseg\" FROM \"TmpEtlap\" ORDER BY \"Datum\", \"EtkKod\", %1, \"EtlapAzon\"")
        .arg(HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\"")));
}

QString mealSql()
{
    return QStringLiteral("SELECT DISTINCT t.\"EtkTip\", t.\"EtkKod\", t.\"Tip\", t.\"Enorma\", "
                          "(SELECT l.\"Letszam\" FROM \"Letszam\" l WHERE l.\"Datum\" = t.\"Datum\" "
                          "AND l.\"Etkezesek\" = t.\"EtkKod\") AS \"F\" FROM \"TmpEtlap\" t "
                          "ORDER BY t.\"Tip\", t.\"Enorma\", t.\"EtkKod\"");
}

} // namespace MenuList
