#include "alacarte/PriceList.h"

#include "alacarte/DishPrice.h"
#include "core/HungarianOrder.h"
#include "master/RecipeVatRates.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace PriceList {

Checked<QList<PriceListRow>> read(QSqlDatabase db, const QDate &today, bool byDate)
{
    const Checked<RecipeVatRates> inForce = RecipeVatRates::read(db, today);
    if (!inForce.ok())
        return Checked<QList<PriceListRow>>::refused(inForce.refusal);
    const RecipeVatRates &rates = inForce.value;
    QList<PriceListRow> rows;
    for (const bool recipes : {true, false}) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(recipes
                ? QStringLiteral(
                    "SELECT b.\"Fokszam\", b.\"Etelkod\", r.\"Megnevezes\", '', r.\"Netto\", r.\"Afa\", '', "
                    "b.\"Haszonkulcs\", b.\"Fixar\", b.\"Datum\", b.\"AfaCsoport\" FROM \"CartBear\" b "
                    "JOIN \"ReceptFej\" r ON r.\"EtelKod\" = b.\"Etelkod\" WHERE b.\"Fokszam\" = ?")
                : QStringLiteral(
                    "SELECT b.\"Fokszam\", b.\"Etelkod\", a.\"Megnevezes\", a.\"Mertekegyseg\", a.\"NyilvAr\", 0, "
                    "a.\"AfaCsoport\", b.\"Haszonkulcs\", b.\"Fixar\", b.\"Datum\", b.\"AfaCsoport\" "
                    "FROM \"CartBear\" b JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = b.\"Fokszam\" AND "
                    "a.\"NyilvSzam\" = b.\"Etelkod\" WHERE b.\"Fokszam\" <> ?"));
        query.addBindValue(QStringLiteral("1000"));
        if (!query.exec())
            return Checked<QList<PriceListRow>>::refused(WriteFailure::readFailed(query.lastError()));
        while (query.next()) {
            PriceListRow row;
            row.key = DishKey {query.value(0).toString(), query.value(1).toString()};
            row.name = query.value(2).toString();
            if (recipes) {
                const Money net = Sql::toMoney(query.value(4));
                const Money vat = Sql::toMoney(query.value(5));
                row.unit = QStringLiteral("1 adag");
                row.cost = net.dividedBy(100).value_or(Money());
                row.costVat = vat.dividedBy(100).value_or(Money());
                row.costGross = (net + vat).dividedBy(100).value_or(Money());
            } else {
                row.unit = QStringLiteral("1 ") + query.value(3).toString();
                row.cost = Sql::toMoney(query.value(4));
                row.costVat = DishPrice::percentOf(row.cost, rates.percent(query.value(6).toString()));
                row.costGross = row.cost + row.costVat;
            }
            row.margin = query.value(7).toDouble();
            row.gross = Sql::toMoney(query.value(8));
            row.changed = Sql::toDate(query.value(9));
            row.vatGroup = query.value(10).toString();
            if (rates.inForce(row.vatGroup)) {
                const DishPrice price = DishPrice::fromGross(row.cost, row.gross, rates.percent(row.vatGroup));
                row.vatPercent = price.vatPercent;
                row.net = price.net;
                row.vat = price.vat;
                row.profit = price.profit;
            }
            rows << row;
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [byDate](const PriceListRow &a, const PriceListRow &b) {
        if (byDate && a.changed != b.changed)
            return a.changed < b.changed;
        return HungarianOrder::less(a.name, b.name);
    });
    return Checked<QList<PriceListRow>>::accepted(rows);
}

QString staleCostsNotice()
{
    return QStringLiteral("Figyelem! A receptek pontos árazása érdekében, ajánlott lefuttatni a recepteknél a "
                          "tápanyagszámítás funkciót ha már régen csinálta!");
}

} // namespace PriceList
