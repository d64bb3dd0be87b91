#include "stock/VoucherPrintRows.h"

#include "store/PreparedStatement.h"
#include "store/Sql.h"
#include "store/StatementSet.h"

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
    // A year's list reads a hundred thousand items: the statement is kept by the connection and its
    // values are read without a QVariant each.
    PreparedStatement *query = StatementSet::of(warehouse).statement(sql, &m_error);
    if (!query)
        return;
    query->bindAll(values);
    if (!query->exec()) {
        m_error = query->error();
        return;
    }
    while (query->next()) {
        Row row;
        row.raktAzon = query->integer(0);
        row.bizSzam = query->text(1);
        row.datum = query->date(2);
        row.bk = query->text(3);
        row.mozgnem = query->text(4);
        row.mozgnemNev = query->text(5);
        row.fokSzla = query->text(6);
        row.nyilvSzam = query->text(7);
        row.anyagNev = query->text(8);
        row.mertekegyseg = query->text(9);
        row.partAzon = query->text(10);
        row.partnerNev = query->text(11);
        row.irszam = query->text(12);
        row.telepules = query->text(13);
        row.utca = query->text(14);
        row.sorszam = query->text(15);
        row.user = query->text(16);
        row.lejarat = query->date(17);
        row.kiAr = query->money(18);
        row.tetelErtek = query->money(19);
        row.afaErtek = query->money(20);
        row.brutto = query->money(21);
        row.afaSzazalek = query->real(22);
        row.tetelMenny = query->real(23);
        row.keszletMenny = query->real(24);

        // A voucher is its number and its date together: a new group starts where either changes.
        if (m_vouchers.isEmpty() || m_vouchers.constLast().first().bizSzam != row.bizSzam
            || m_vouchers.constLast().first().datum != row.datum)
            m_vouchers.append(Voucher());
        Voucher &voucher = m_vouchers.last();
        voucher.totals.add(row);
        m_totals.add(row);
        voucher.rows.append(std::move(row));
    }
    if (!query->error().isEmpty()) {
        m_error = query->error();
        m_vouchers.clear();
        m_totals = Totals();
    }
}
