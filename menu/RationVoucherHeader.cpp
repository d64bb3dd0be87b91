#include "menu/RationVoucherHeader.h"

#include "core/Codes.h"
#include "store/HungarianCollation.h"
#include "store/RowReader.h"

#include <QSqlQuery>
#include <QVariant>

namespace RationVoucherHeader {

QString aLaCarteType()
{
    return QStringLiteral("08");
}

Checked<LookupList> issueTypes(QSqlDatabase db, const QString &only)
{
    return readRows<LookupEntry>(db,
        QStringLiteral("SELECT \"MozgnemKod\", \"Megnevezes\" FROM \"Mozgnem\" WHERE \"Irany\" = ? AND ")
            + (only.isEmpty() ? QStringLiteral("\"MozgnemKod\" <> ?") : QStringLiteral("\"MozgnemKod\" = ?"))
            + QStringLiteral(" ORDER BY ")
            + HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\"")) + QStringLiteral(", \"MozgnemKod\""),
        {QStringLiteral("KI"), only.isEmpty() ? aLaCarteType() : only},
        [](const QSqlQuery &query) { return LookupEntry {query.value(0).toString(), query.value(1).toString()}; });
}

Partner partner(QSqlDatabase db, const QString &partAzon)
{
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT \"Nev\", \"Irszam\", \"Telepules\", \"Utca\" FROM \"Partner\" WHERE \"PartAzon\" = ?"));
    query.addBindValue(partAzon);
    if (!query.exec() || !query.next())
        return Partner();
    return Partner {query.value(0).toString(),
        query.value(1).toString() + QLatin1Char(' ') + query.value(2).toString() + QStringLiteral(", ")
            + query.value(3).toString()};
}

QString normalizedNumber(const QString &typed, const QString &proposed)
{
    const Checked<QString> padded = Codes::pad(Codes::Kind::VoucherNumber, typed);
    if (!padded.ok() || padded.value.toLongLong() < 1)
        return proposed;
    return padded.value;
}

} // namespace RationVoucherHeader
