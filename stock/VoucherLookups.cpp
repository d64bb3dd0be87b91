#include "stock/VoucherLookups.h"

#include "stock/MovementTable.h"
#include "stock/StockSql.h"
#include "store/HungarianCollation.h"
#include "store/RowReader.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"

#include <QSqlError>
#include <QSqlQuery>

QString VoucherLookups::Partner::address() const
{
    return irszam + QLatin1Char(' ') + telepules + QStringLiteral(", ") + utca;
}

Checked<QList<VoucherLookups::Entry>> VoucherLookups::movementTypes(const QString &direction) const
{
    return readRows<Entry>(m_db,
        QStringLiteral(
            "SELECT \"MozgnemKod\", \"Megnevezes\" FROM \"Mozgnem\" WHERE \"Irany\" = ? ORDER BY \"MozgnemKod\""),
        {direction}, [](const QSqlQuery &query) { return Entry {query.value(0).toString(), query.value(1).toString()}; });
}

Checked<QList<VoucherLookups::Partner>> VoucherLookups::partners() const
{
    return readRows<Partner>(m_db,
        QStringLiteral("SELECT \"PartAzon\", \"Nev\", \"Irszam\", \"Telepules\", \"Utca\" FROM \"Partner\" "
                       "ORDER BY ")
            + HungarianCollation::orderTerm(QStringLiteral("\"Nev\"")) + QStringLiteral(", \"PartAzon\""),
        {}, [](const QSqlQuery &query) {
            return Partner {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toString(), query.value(4).toString()};
        });
}

Checked<QList<VoucherLookups::Entry>> VoucherLookups::ledgerAccounts() const
{
    return readRows<Entry>(m_db,
        QStringLiteral("SELECT \"FokonyviSzam\", \"Megnevezes\" FROM \"Fokszam\" ORDER BY \"FokonyviSzam\""), {},
        [](const QSqlQuery &query) { return Entry {query.value(0).toString(), query.value(1).toString()}; });
}

Checked<QList<VoucherLookups::Material>> VoucherLookups::materials(const QString &fokSzla) const
{
    return readRows<Material>(m_db,
        QStringLiteral(
            "SELECT \"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", \"AfaCsoport\", \"Kerekites\", "
            "\"NyilvAr\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? ORDER BY ")
            + HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\"")) + QStringLiteral(", \"NyilvSzam\""),
        {fokSzla}, [](const QSqlQuery &query) {
            return Material {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toString(), query.value(4).toString(), qBound(0, query.value(5).toInt(), 4),
                Sql::toMoney(query.value(6))};
        });
}

Checked<QList<VoucherLookups::Vat>> VoucherLookups::vatRows() const
{
    return readRows<Vat>(m_db,
        QStringLiteral("SELECT \"Afakod\", \"AfaCsoport\", \"Datum\", \"AfaErtek\" FROM \"Afa\" ORDER BY "
                       "\"Datum\", \"AfaErtek\", \"Afakod\""),
        {}, [](const QSqlQuery &query) {
            return Vat {query.value(0).toString(), query.value(1).toString(), Sql::toDate(query.value(2)),
                query.value(3).toDouble()};
        });
}

std::optional<VoucherLookups::Vat> VoucherLookups::vatFor(
    const QList<Vat> &rows, const QString &afaCsoport, const QDate &date)
{
    std::optional<Vat> found;
    for (const Vat &vat : rows) {
        if (vat.afaCsoport == afaCsoport && vat.datum.isValid() && vat.datum <= date)
            found = vat;
    }
    return found;
}

Checked<QList<VoucherLookups::Item>> VoucherLookups::items(
    const QString &bizSzam, const QDate &datum, const QString &bk) const
{
    return readRows<Item>(m_db,
        QStringLiteral("SELECT r.\"RaktAzon\", r.\"FokSzla\", r.\"NyilvSzam\", a.\"Megnevezes\", r.\"TetelMenny\", "
                       "a.\"Mertekegyseg\", r.\"TetelErtek\" FROM \"Raktar\" r LEFT JOIN \"Anyag\" a "
                       "ON a.\"FokonyviSzam\" = r.\"FokSzla\" AND a.\"NyilvSzam\" = r.\"NyilvSzam\" "
                       "WHERE r.\"BizSzam\" = ? AND r.\"Datum\" = ? AND r.\"BK\" = ? ORDER BY r.\"RaktAzon\""),
        {bizSzam, Sql::date(datum), bk}, [](const QSqlQuery &query) {
            return Item {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toString(), query.value(4).toDouble(), query.value(5).toString(),
                Sql::toMoney(query.value(6))};
        });
}

Checked<VoucherLookups::Totals> VoucherLookups::totals(const QString &bizSzam, const QDate &datum, const QString &bk) const
{
    const Checked<QList<Totals>> rows = readRows<Totals>(m_db,
        QStringLiteral("SELECT \"TetelErtek\", \"AfaErtek\", \"Brutto\" FROM \"Raktar\" WHERE \"BizSzam\" = ? AND "
                       "\"Datum\" = ? AND \"BK\" = ?"),
        {bizSzam, Sql::date(datum), bk}, [](const QSqlQuery &query) {
            return Totals {Sql::toMoney(query.value(0)), Sql::toMoney(query.value(1)), Sql::toMoney(query.value(2))};
        });
    if (!rows.ok())
        return Checked<Totals>::refused(rows.refusal);
    Totals totals;
    for (const Totals &row : rows.value) {
        totals.net += row.net;
        totals.vat += row.vat;
        totals.gross += row.gross;
    }
    return Checked<Totals>::accepted(totals);
}

Checked<QString> VoucherLookups::runningNumber(const QString &bizSzam, const QDate &datum, const QString &bk) const
{
    try {
        return Checked<QString>::accepted(MovementTable(m_db).voucherSorszam(bizSzam, datum, bk, 0));
    } catch (const DatabaseFailure &failure) {
        return Checked<QString>::refused(WriteFailure::readFailed(failure.detail));
    }
}
