#include "stock/VoucherPrintRows.h"

#include "store/Sql.h"

#include <QSqlError>
#include <QSqlQuery>

void VoucherPrintRows::Totals::add(const Row &row)
{
    netto += row.tetelErtek;
    afa += row.afaErtek;
    brutto += row.brutto;
    ++count;
}

VoucherPrintRows VoucherPrintRows::ofVoucher(
    QSqlDatabase warehouse, const QString &direction, const QString &bizSzam, const QDate &datum)
{
    VoucherPrintRows result;
    result.read(warehouse, QStringLiteral("r.\"BK\" = ? AND r.\"BizSzam\" = ? AND r.\"Datum\" = ?"),
        {direction, bizSzam, Sql::date(datum)}, Order::DateVoucher);
    return result;
}

VoucherPrintRows VoucherPrintRows::ofList(QSqlDatabase warehouse, const Filter &filter)
{
    QString conditions = QStringLiteral("r.\"BK\" = ? AND r.\"Datum\" >= ? AND r.\"Datum\" <= ?");
    QVariantList values {filter.direction, Sql::date(filter.from), Sql::date(filter.to)};
    if (!filter.numberPart.isEmpty()) {
        // The typed text is matched as it stands: "%" and "_" are no wildcards here.
        conditions += QStringLiteral(" AND r.\"BizSzam\" LIKE ? ESCAPE '\\'");
        values << QStringLiteral("%") + Sql::prefixPattern(filter.numberPart);
    }
    // Each filter left empty drops its condition.
    const QList<QPair<QString, QString>> optional {{QStringLiteral(" AND r.\"FokSzla\" = ?"), filter.fokSzla},
        {QStringLiteral(" AND r.\"PartAzon\" = ?"), filter.partAzon},
        {QStringLiteral(" AND r.\"Mozgnem\" >= ?"), filter.mozgnemFrom},
        {QStringLiteral(" AND r.\"Mozgnem\" <= ?"), filter.mozgnemTo}};
    for (const auto &[condition, value] : optional) {
        if (!value.isEmpty()) {
            conditions += condition;
            values << value;
        }
    }
    VoucherPrintRows result;
    result.read(warehouse, conditions, values, filter.order);
    return result;
}

void VoucherPrintRows::read(QSqlDatabase warehouse, const QString &conditions, const QVariantList &values, Order order)
{
    // Outer joins: an item whose material, partner or VAT row has gone still prints and counts in
    // the totals, so that the printed voucher always adds up to what was recorded.
    QSqlQuery query(warehouse);
    query.setForwardOnly(true);
    const QString sql
        = QStringLiteral("SELECT r.\"RaktAzon\", r.\"BizSzam\", r.\"Datum\", r.\"BK\", r.\"Mozgnem\", m.\"Megnevezes\", "
                         "r.\"FokSzla\", r.\"NyilvSzam\", a.\"Megnevezes\", a.\"Mertekegyseg\", r.\"PartAzon\", "
                         "p.\"Nev\", p.\"Irszam\", p.\"Telepules\", p.\"Utca\", r.\"Sorszam\", r.\"User\", "
                         "r.\"Lejarat\", r.\"KiAr\", r.\"TetelErtek\", r.\"AfaErtek\", r.\"Brutto\", v.\"AfaErtek\", "
                         "r.\"TetelMenny\", r.\"KeszletMenny\" FROM \"Raktar\" r "
                         "LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" AND a.\"NyilvSzam\" = r.\"NyilvSzam\" "
                         "LEFT JOIN \"Mozgnem\" m ON m.\"MozgnemKod\" = r.\"Mozgnem\" "
                         "LEFT JOIN \"Partner\" p ON p.\"PartAzon\" = r.\"PartAzon\" "
                         "LEFT JOIN \"Afa\" v ON v.\"Afakod\" = r.\"AfaKod\" WHERE ")
        + conditions + QStringLiteral(" ORDER BY ")
        + (order == Order::DateVoucher ? QStringLiteral("r.\"Datum\", r.\"BizSzam\"")
                                       : QStringLiteral("r.\"BizSzam\", r.\"Datum\""))
        + QStringLiteral(", r.\"FokSzla\", r.\"NyilvSzam\", r.\"RaktAzon\"");
    if (!query.prepare(sql)) {
        m_error = query.lastError().text();
        return;
    }
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec()) {
        m_error = query.lastError().text();
        return;
    }
    while (query.next()) {
        Row row;
        row.raktAzon = query.value(0).toLongLong();
        row.bizSzam = query.value(1).toString();
        row.datum = Sql::toDate(query.value(2));
        row.bk = query.value(3).toString();
        row.mozgnem = query.value(4).toString();
        row.mozgnemNev = query.value(5).toString();
        row.fokSzla = query.value(6).toString();
        row.nyilvSzam = query.value(7).toString();
        row.anyagNev = query.value(8).toString();
        row.mertekegyseg = query.value(9).toString();
        row.partAzon = query.value(10).toString();
        row.partnerNev = query.value(11).toString();
        row.irszam = query.value(12).toString();
        row.telepules = query.value(13).toString();
        row.utca = query.value(14).toString();
        row.sorszam = query.value(15).toString();
        row.user = query.value(16).toString();
        row.lejarat = Sql::toDate(query.value(17));
        row.kiAr = Sql::toMoney(query.value(18));
        row.tetelErtek = Sql::toMoney(query.value(19));
        row.afaErtek = Sql::toMoney(query.value(20));
        row.brutto = Sql::toMoney(query.value(21));
        row.afaSzazalek = query.value(22).toDouble();
        row.tetelMenny = query.value(23).toDouble();
        row.keszletMenny = query.value(24).toDouble();

        // A voucher is its number and its date together: a new group starts where either changes.
        if (m_vouchers.isEmpty() || m_vouchers.last().first().bizSzam != row.bizSzam
            || m_vouchers.last().first().datum != row.datum)
            m_vouchers.append(Voucher());
        m_vouchers.last().totals.add(row);
        m_totals.add(row);
        m_vouchers.last().rows.append(row);
    }
}
