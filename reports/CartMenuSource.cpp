#include "reports/CartMenuSource.h"

#include "reports/NutrientSource.h"
#include "store/RowReader.h"
#include "store/Sql.h"

Checked<QList<ServedDish>> CartMenuSource::served(
    QSqlDatabase db, const QDate &from, const QDate &to, const QStringList &groups)
{
    const QString sql = QStringLiteral(
        "SELECT e.\"EtlapAzon\", e.\"Datum\", e.\"Csoport\", c.\"Megnev\", e.\"FokSzam\", e.\"Etelkod\", "
        "e.\"Mennyiseg\" FROM \"CartEtlap\" e "
        "JOIN \"CartCsop\" c ON c.\"Csoport\" = e.\"Csoport\" "
        "WHERE e.\"Datum\" BETWEEN ? AND ? AND %1 ORDER BY e.\"EtlapAzon\"")
                            .arg(NutrientSource::mealCondition(QStringLiteral("e.\"Csoport\""), groups));
    QVariantList values {Sql::date(from), Sql::date(to)};
    for (const QString &group : groups)
        values << group;
    return readRows<ServedDish>(db, sql, values, [](const QSqlQuery &q) {
        return ServedDish {q.value(0).toLongLong(), Sql::toDate(q.value(1)), q.value(2).toString(),
            q.value(3).toString(), QString(), QString(), q.value(4).toString(), q.value(5).toString(),
            q.value(6).toDouble()};
    });
}
