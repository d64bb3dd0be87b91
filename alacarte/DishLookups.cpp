#include "alacarte/DishLookups.h"

#include "store/HungarianCollation.h"
#include "store/WriteFailure.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace DishLookups {

static Checked<LookupList> entries(QSqlDatabase db, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return Checked<LookupList>::refused(WriteFailure::readFailed(query.lastError()));
    LookupList list;
    while (query.next())
        list << LookupEntry {query.value(0).toString(), query.value(1).toString()};
    return Checked<LookupList>::accepted(list);
}

Checked<LookupList> pricedRecipes(QSqlDatabase db)
{
    return entries(db,
        QStringLiteral("SELECT r.\"EtelKod\", r.\"Megnevezes\" FROM \"ReceptFej\" r JOIN \"CartBear\" b ON "
                       "b.\"Etelkod\" = r.\"EtelKod\" AND b.\"Fokszam\" = ? ORDER BY ")
            + HungarianCollation::orderTerm(QStringLiteral("r.\"Megnevezes\"")),
        {QStringLiteral("1000")});
}

Checked<LookupList> pricedMaterialsOf(QSqlDatabase db, const QString &account)
{
    return entries(db,
        QStringLiteral("SELECT a.\"NyilvSzam\", a.\"Megnevezes\" FROM \"Anyag\" a JOIN \"CartBear\" b ON "
                       "b.\"Fokszam\" = a.\"FokonyviSzam\" AND b.\"Etelkod\" = a.\"NyilvSzam\" "
                       "WHERE a.\"FokonyviSzam\" = ? ORDER BY ")
            + HungarianCollation::orderTerm(QStringLiteral("a.\"Megnevezes\"")),
        {account});
}

} // namespace DishLookups
