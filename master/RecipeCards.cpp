#include "master/RecipeCards.h"

#include "master/RecipeValues.h"
#include "store/HungarianCollation.h"
#include "store/Sql.h"

#include <QSqlQuery>
#include <QVariant>

namespace RecipeCards {

Card card(QSqlDatabase db, const QString &code)
{
    Card card;
    QStringList valueFields = RecipeValues::headerFields();
    valueFields << QStringLiteral("HSo") << QStringLiteral("HCukor");
    QStringList quoted;
    for (const QString &field : valueFields)
        quoted << QLatin1Char('"') + field + QLatin1Char('"');
    QSqlQuery header(db);
    header.prepare(QStringLiteral("SELECT \"Megnevezes\", \"LetrDat\", \"ModDat\", \"EndDat\", \"Leiras\", ")
        + quoted.join(QStringLiteral(", ")) + QStringLiteral(" FROM \"ReceptFej\" WHERE \"EtelKod\" = ?"));
    header.addBindValue(code);
    if (header.exec() && header.next()) {
        card.name = header.value(0).toString();
        card.created = header.value(1).toDate();
        card.modified = header.value(2).toDate();
        card.ended = header.value(3).toDate();
        card.text = header.value(4).toString();
        for (int i = 0; i < valueFields.size(); ++i)
            card.values.insert(valueFields.at(i), header.value(5 + i).toDouble());
    }

    QSqlQuery lines(db);
    lines.prepare(QStringLiteral("SELECT a.\"Megnevezes\", r.\"Mennyiseg\", a.\"Mertekegyseg\" FROM \"Recept\" r "
                                 "LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" AND a.\"NyilvSzam\" = "
                                 "r.\"NyilvSzam\" WHERE r.\"EtelKod\" = ? ORDER BY %1, r.\"ReceptAzon\"")
                      .arg(HungarianCollation::orderTerm(QStringLiteral("a.\"Megnevezes\""))));
    lines.addBindValue(code);
    if (lines.exec()) {
        while (lines.next())
            card.lines << Line {lines.value(0).toString(), lines.value(1).toDouble(), lines.value(2).toString()};
    }
    return card;
}

QList<ListRow> list(QSqlDatabase db)
{
    QList<ListRow> rows;
    QSqlQuery query(db);
    const QString sql = QStringLiteral(
        "SELECT f.\"EtelKod\", f.\"Megnevezes\", f.\"Enorma\", f.\"Netto\", f.\"Afa\", a.\"Megnevezes\", "
        "r.\"Mennyiseg\", a.\"Mertekegyseg\" FROM \"ReceptFej\" f JOIN \"Recept\" r ON r.\"EtelKod\" = f.\"EtelKod\" "
        "JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" AND a.\"NyilvSzam\" = r.\"NyilvSzam\" "
        "ORDER BY f.\"Enorma\", %1, f.\"EtelKod\", %2, r.\"ReceptAzon\"")
                            .arg(HungarianCollation::orderTerm(QStringLiteral("f.\"Megnevezes\"")),
                                HungarianCollation::orderTerm(QStringLiteral("a.\"Megnevezes\"")));
    if (!query.exec(sql))
        return rows;
    while (query.next())
        rows << ListRow {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            Sql::toMoney(query.value(3)), Sql::toMoney(query.value(4)),
            Line {query.value(5).toString(), query.value(6).toDouble(), query.value(7).toString()}};
    return rows;
}

} // namespace RecipeCards
