#include "master/RecipeBrowse.h"

#include "store/HungarianCollation.h"

#include <QSqlQuery>
#include <QSqlQueryModel>

namespace {

void fetchAll(QSqlQueryModel &model)
{
    while (model.canFetchMore())
        model.fetchMore();
}

} // namespace

namespace RecipeBrowse {

void loadRecipes(QSqlQueryModel &model, QSqlDatabase db, const QStringList &fields, int order)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << QLatin1Char('"') + field + QLatin1Char('"');
    const QString orders[] = {
        HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\"")) + QStringLiteral(", \"Enorma\", \"EtelKod\""),
        QStringLiteral("\"EtelKod\""), QStringLiteral("\"Enorma\", \"EtelKod\"")};
    model.setQuery(QStringLiteral("SELECT ") + quoted.join(QStringLiteral(", "))
            + QStringLiteral(", \"Leiras\" FROM \"ReceptFej\" ORDER BY ") + orders[qBound(0, order, 2)],
        db);
    fetchAll(model);
}

void loadLines(QSqlQueryModel &model, QSqlDatabase db, const QString &code)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT a.\"Megnevezes\", r.\"Mennyiseg\", m.\"MertKod\", r.\"FokSzla\", r.\"NyilvSzam\", "
        "r.\"ReceptAzon\" FROM \"Recept\" r LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" "
        "AND a.\"NyilvSzam\" = r.\"NyilvSzam\" LEFT JOIN \"Mertegys\" m ON m.\"MertKod\" = a.\"Mertekegyseg\" "
        "WHERE r.\"EtelKod\" = ? ORDER BY %1, r.\"ReceptAzon\"")
                      .arg(HungarianCollation::orderTerm(QStringLiteral("a.\"Megnevezes\""))));
    query.addBindValue(code);
    query.exec();
    model.setQuery(std::move(query));
    fetchAll(model);
}

void loadHeaderExport(QSqlQueryModel &model, QSqlDatabase db)
{
    model.setQuery(QStringLiteral("SELECT * FROM \"ReceptFej\" ORDER BY \"EtelKod\""), db);
    fetchAll(model);
}

void loadLineExport(QSqlQueryModel &model, QSqlDatabase db)
{
    model.setQuery(QStringLiteral("SELECT * FROM \"Recept\" ORDER BY \"EtelKod\", \"ReceptAzon\""), db);
    fetchAll(model);
}

} // namespace RecipeBrowse
