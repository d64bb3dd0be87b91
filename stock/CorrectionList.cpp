#include "stock/CorrectionList.h"

#include "stock/MovementTable.h"
#include "stock/StockSql.h"
#include "store/Sql.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// The typed text matched literally: "%" and "_" are no wildcards here.
QString escaped(const QString &text)
{
    QString result;
    for (QChar c : text) {
        if (c == QLatin1Char('!') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            result += QLatin1Char('!');
        result += c;
    }
    return result;
}

} // namespace

QList<CorrectionList::Row> CorrectionList::rows(
    const QString &direction, const QString &numberPart, Order order, QString *error) const
{
    QList<Row> list;
    try {
        const QDate closed = MovementTable(m_db).closingDate();
        QSqlQuery query(m_db);
        StockSql::run(query,
            QStringLiteral(
                "SELECT r.\"RaktAzon\", r.\"Datum\", r.\"BizSzam\", r.\"FokSzla\", r.\"NyilvSzam\", a.\"Megnevezes\", "
                "r.\"BK\", "
                "r.\"Mozgnem\", m.\"Megnevezes\", r.\"TetelMenny\", r.\"KeszletMenny\", u.\"Megnevezes\", p.\"Nev\", "
                "p.\"Irszam\", "
                "p.\"Telepules\", p.\"Utca\", r.\"User\", r.\"Stat\" FROM \"Raktar\" r "
                "LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" AND a.\"NyilvSzam\" = r.\"NyilvSzam\" "
                "LEFT JOIN \"Mozgnem\" m ON m.\"MozgnemKod\" = r.\"Mozgnem\" "
                "LEFT JOIN \"Mertegys\" u ON u.\"MertKod\" = a.\"Mertekegyseg\" "
                "LEFT JOIN \"Partner\" p ON p.\"PartAzon\" = r.\"PartAzon\" "
                "WHERE r.\"BK\" = ? AND r.\"Datum\" > ? AND r.\"BizSzam\" LIKE ? ESCAPE '!' ORDER BY ")
                + (order == Order::DateVoucher ? QStringLiteral("r.\"Datum\", r.\"BizSzam\"")
                                               : QStringLiteral("r.\"BizSzam\", r.\"Datum\""))
                + QStringLiteral(", r.\"FokSzla\", r.\"NyilvSzam\", r.\"RaktAzon\""),
            {direction, Sql::date(closed.isValid() ? closed : QDate(1900, 1, 1)),
                QStringLiteral("%") + escaped(numberPart) + QStringLiteral("%")});
        while (query.next()) {
            Row row;
            row.raktAzon = query.value(0).toLongLong();
            row.datum = Sql::toDate(query.value(1));
            row.bizSzam = query.value(2).toString();
            row.fokSzla = query.value(3).toString();
            row.nyilvSzam = query.value(4).toString();
            row.anyagNev = query.value(5).toString();
            row.bk = query.value(6).toString();
            row.mozgnem = query.value(7).toString();
            row.mozgnemNev = query.value(8).toString();
            row.tetelMenny = query.value(9).toDouble();
            row.keszletMenny = query.value(10).toDouble();
            row.mertekegyseg = query.value(11).toString();
            row.partnerNev = query.value(12).toString();
            row.irszam = query.value(13).toString();
            row.telepules = query.value(14).toString();
            row.utca = query.value(15).toString();
            row.user = query.value(16).toString();
            row.stat = Sql::toFlag(query.value(17));
            list << row;
        }
    } catch (const StockSql::Failure &failure) {
        if (error)
            *error = failure.detail;
    }
    return list;
}

CorrectionList::Tint CorrectionList::tint(const Row &row)
{
    if (!row.stat)
        return Tint::Plain;
    return row.mozgnem == QLatin1String("08") ? Tint::ALaCarte : Tint::Ration;
}
