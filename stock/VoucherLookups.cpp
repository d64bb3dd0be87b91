#include "stock/VoucherLookups.h"

#include "stock/MovementTable.h"
#include "stock/StockSql.h"
#include "store/HungarianCollation.h"
#include "store/Sql.h"

#include <QSqlQuery>

QString VoucherLookups::Partner::address() const
{
    return irszam + QLatin1Char(' ') + telepules + QStringLiteral(", ") + utca;
}

QList<VoucherLookups::Entry> VoucherLookups::movementTypes(const QString &direction) const
{
    QList<Entry> list;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral(
        "SELECT \"MozgnemKod\", \"Megnevezes\" FROM \"Mozgnem\" WHERE \"Irany\" = ? ORDER BY \"MozgnemKod\""));
    query.addBindValue(direction);
    if (query.exec()) {
        while (query.next())
            list << Entry {query.value(0).toString(), query.value(1).toString()};
    }
    return list;
}

QList<VoucherLookups::Partner> VoucherLookups::partners() const
{
    QList<Partner> list;
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("SELECT \"PartAzon\", \"Nev\", \"Irszam\", \"Telepules\", \"Utca\" FROM \"Partner\" "
                                  "ORDER BY ")
            + HungarianCollation::orderTerm(QStringLiteral("\"Nev\"")) + QStringLiteral(", \"PartAzon\""))) {
        while (query.next())
            list << Partner {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toString(), query.value(4).toString()};
    }
    return list;
}

QList<VoucherLookups::Entry> VoucherLookups::ledgerAccounts() const
{
    QList<Entry> list;
    QSqlQuery query(m_db);
    if (query.exec(
            QStringLiteral("SELECT \"FokonyviSzam\", \"Megnevezes\" FROM \"Fokszam\" ORDER BY \"FokonyviSzam\""))) {
        while (query.next())
            list << Entry {query.value(0).toString(), query.value(1).toString()};
    }
    return list;
}

QList<VoucherLookups::Material> VoucherLookups::materials(const QString &fokSzla) const
{
    QList<Material> list;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral(
        "SELECT \"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", \"AfaCsoport\", \"Kerekites\", "
        "\"NyilvAr\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? ORDER BY ")
        + HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\"")) + QStringLiteral(", \"NyilvSzam\""));
    query.addBindValue(fokSzla);
    if (query.exec()) {
        while (query.next())
            list << Material {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toString(), query.value(4).toString(), qBound(0, query.value(5).toInt(), 4),
                Sql::toMoney(query.value(6))};
    }
    return list;
}

QList<VoucherLookups::Vat> VoucherLookups::vatRows() const
{
    QList<Vat> list;
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("SELECT \"Afakod\", \"AfaCsoport\", \"Datum\", \"AfaErtek\" FROM \"Afa\" ORDER BY "
                                  "\"Datum\", \"AfaErtek\", \"Afakod\""))) {
        while (query.next())
            list << Vat {query.value(0).toString(), query.value(1).toString(), Sql::toDate(query.value(2)),
                query.value(3).toDouble()};
    }
    return list;
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

QList<VoucherLookups::Item> VoucherLookups::items(const QString &bizSzam, const QDate &datum, const QString &bk) const
{
    QList<Item> list;
    QSqlQuery query(m_db);
    query.prepare(
        QStringLiteral("SELECT r.\"RaktAzon\", r.\"FokSzla\", r.\"NyilvSzam\", a.\"Megnevezes\", r.\"TetelMenny\", "
                       "a.\"Mertekegyseg\", r.\"TetelErtek\" FROM \"Raktar\" r LEFT JOIN \"Anyag\" a "
                       "ON a.\"FokonyviSzam\" = r.\"FokSzla\" AND a.\"NyilvSzam\" = r.\"NyilvSzam\" "
                       "WHERE r.\"BizSzam\" = ? AND r.\"Datum\" = ? AND r.\"BK\" = ? ORDER BY r.\"RaktAzon\""));
    query.addBindValue(bizSzam);
    query.addBindValue(Sql::date(datum));
    query.addBindValue(bk);
    if (query.exec()) {
        while (query.next())
            list << Item {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toString(), query.value(4).toDouble(), query.value(5).toString(),
                Sql::toMoney(query.value(6))};
    }
    return list;
}

VoucherLookups::Totals VoucherLookups::totals(const QString &bizSzam, const QDate &datum, const QString &bk) const
{
    Totals totals;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral(
        "SELECT \"TetelErtek\", \"AfaErtek\", \"Brutto\" FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Datum\" = ? "
        "AND \"BK\" = ?"));
    query.addBindValue(bizSzam);
    query.addBindValue(Sql::date(datum));
    query.addBindValue(bk);
    if (query.exec()) {
        while (query.next()) {
            totals.net += Sql::toMoney(query.value(0));
            totals.vat += Sql::toMoney(query.value(1));
            totals.gross += Sql::toMoney(query.value(2));
        }
    }
    return totals;
}

QString VoucherLookups::runningNumber(const QString &bizSzam, const QDate &datum, const QString &bk) const
{
    try {
        return MovementTable(m_db).voucherSorszam(bizSzam, datum, bk, 0);
    } catch (const StockSql::Failure &) {
        return QString();
    }
}
