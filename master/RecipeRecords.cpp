#include "master/RecipeRecords.h"

#include <QSqlQuery>
#include <QVariant>

namespace RecipeRecords {

std::optional<RecipeHeader> header(QSqlDatabase db, const QString &code)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT \"Megnevezes\", \"Enorma\", \"ValtAzon\", \"Leiras\" FROM \"ReceptFej\" "
                                 "WHERE \"EtelKod\" = ?"));
    query.addBindValue(code);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return RecipeHeader {code, query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
        query.value(3).toString()};
}

std::optional<RecipeLines::Line> line(QSqlDatabase db, qint64 lineId)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT \"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\" FROM \"Recept\" WHERE \"ReceptAzon\" = ?"));
    query.addBindValue(lineId);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return RecipeLines::Line {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
        query.value(3).toDouble()};
}

} // namespace RecipeRecords
