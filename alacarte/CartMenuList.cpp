#include "alacarte/CartMenuList.h"

#include "core/HungarianOrder.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace CartMenuList {

Checked<QList<CartMenuListRow>> read(QSqlDatabase db, const QDate &from, const QDate &to)
{
    QString range;
    QVariantList bounds;
    if (from.isValid()) {
        range += QStringLiteral(" AND e.\"Datum\" >= ?");
        bounds << Sql::date(from);
    }
    if (to.isValid()) {
        range += QStringLiteral(" AND e.\"Datum\" <= ?");
        bounds << Sql::date(to);
    }
    QList<CartMenuListRow> rows;
    for (const bool recipes : {true, false}) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT e.\"EtlapAzon\", e.\"Datum\", e.\"Csoport\", c.\"Megnev\", e.\"FokSzam\", "
                                     "e.\"Etelkod\", d.\"Megnevezes\", e.\"Mennyiseg\", ")
            + (recipes ? QStringLiteral("'adag', 3") : QStringLiteral("d.\"Mertekegyseg\", d.\"Kerekites\""))
            + QStringLiteral(", e.\"Letszam\", e.\"NettoAnyag\" FROM \"CartEtlap\" e "
                             "JOIN \"CartCsop\" c ON c.\"Csoport\" = e.\"Csoport\" ")
            + (recipes ? QStringLiteral("JOIN \"ReceptFej\" d ON d.\"EtelKod\" = e.\"Etelkod\" WHERE e.\"FokSzam\" = ?")
                       : QStringLiteral("JOIN \"Anyag\" d ON d.\"FokonyviSzam\" = e.\"FokSzam\" AND "
                                        "d.\"NyilvSzam\" = e.\"Etelkod\" "
                                        "JOIN \"Mertegys\" m ON m.\"MertKod\" = d.\"Mertekegyseg\" "
                                        "WHERE e.\"FokSzam\" <> ?"))
            + range);
        query.addBindValue(QStringLiteral("1000"));
        for (const QVariant &bound : std::as_const(bounds))
            query.addBindValue(bound);
        if (!query.exec())
            return Checked<QList<CartMenuListRow>>::refused(WriteFailure::readFailed(query.lastError()));
        while (query.next()) {
            CartMenuListRow row;
            row.id = query.value(0).toLongLong();
            row.date = Sql::toDate(query.value(1));
            row.group = query.value(2).toString();
            row.groupName = query.value(3).toString();
            row.account = query.value(4).toString();
            row.dish = query.value(5).toString();
            row.dishName = query.value(6).toString();
            row.quantity = query.value(7).toDouble();
            row.unit = query.value(8).toString();
            row.decimals = query.value(9).toInt();
            row.headcount = query.value(10).toInt();
            row.open = Sql::toMoney(query.value(11)) == Money::fromUnits(-Money::Scale);
            rows << row;
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const CartMenuListRow &a, const CartMenuListRow &b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (a.group != b.group)
            return a.group < b.group;
        if (a.dishName != b.dishName)
            return HungarianOrder::less(a.dishName, b.dishName);
        return a.id < b.id;
    });
    return Checked<QList<CartMenuListRow>>::accepted(rows);
}

} // namespace CartMenuList
