#include "stock/MovementTable.h"

#include "stock/StockSql.h"
#include "store/Sql.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString Columns = QStringLiteral("\"RaktAzon\", \"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", "
                                       "\"FokSzla\", \"NyilvSzam\", \"PartAzon\", \"User\", \"AfaKod\", "
                                       "\"TetelMenny\", \"BeAr\", \"KiAr\", \"TetelErtek\", \"AfaErtek\", \"Brutto\", "
                                       "\"KeszletMenny\", \"KeszletErtek\", \"Lejarat\", \"Stat\"");

MovementRow rowFrom(const QSqlQuery &query)
{
    MovementRow row;
    row.raktAzon = query.value(0).toLongLong();
    row.bk = query.value(1).toString();
    row.mozgnem = query.value(2).toString();
    row.bizSzam = query.value(3).toString();
    row.datum = Sql::toDate(query.value(4));
    row.sorszam = query.value(5).toString();
    row.fokSzla = query.value(6).toString();
    row.nyilvSzam = query.value(7).toString();
    row.partAzon = query.value(8).toString();
    row.user = query.value(9).toString();
    row.afaKod = query.value(10).toString();
    row.tetelMenny = query.value(11).toDouble();
    row.beAr = Sql::toMoney(query.value(12));
    row.kiAr = Sql::toMoney(query.value(13));
    row.tetelErtek = Sql::toMoney(query.value(14));
    row.afaErtek = Sql::toMoney(query.value(15));
    row.brutto = Sql::toMoney(query.value(16));
    row.keszletMenny = query.value(17).toDouble();
    row.keszletErtek = Sql::toMoney(query.value(18));
    row.lejarat = Sql::toDate(query.value(19));
    row.stat = Sql::toFlag(query.value(20));
    return row;
}

QVariantList fieldValues(const MovementRow &row)
{
    return {row.bk, row.mozgnem, row.bizSzam, Sql::date(row.datum), row.sorszam, row.fokSzla, row.nyilvSzam,
        row.partAzon, row.user, row.afaKod, row.tetelMenny, Sql::money(row.beAr), Sql::money(row.kiAr),
        Sql::money(row.tetelErtek), Sql::money(row.afaErtek), Sql::money(row.brutto), row.keszletMenny,
        Sql::money(row.keszletErtek), Sql::date(row.lejarat), Sql::flag(row.stat)};
}

} // namespace

QDate MovementTable::closingDate() const
{
    QSqlQuery &query = m_statements.run(QStringLiteral("SELECT MAX(\"Datum\") FROM \"Napizaras\""));
    return query.next() ? Sql::toDate(query.value(0)) : QDate();
}

QString MovementTable::direction(const QString &mozgnem) const
{
    QSqlQuery &query
        = m_statements.run(QStringLiteral("SELECT \"Irany\" FROM \"Mozgnem\" WHERE \"MozgnemKod\" = ?"), {mozgnem});
    return query.next() ? query.value(0).toString() : QString();
}

std::optional<int> MovementTable::materialDecimals(const QString &fokSzla, const QString &nyilvSzam) const
{
    QSqlQuery &query = m_statements.run(
        QStringLiteral("SELECT \"Kerekites\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" = ?"),
        {fokSzla, nyilvSzam});
    if (!query.next())
        return std::nullopt;
    return qBound(0, query.value(0).toInt(), 4);
}

bool MovementTable::numberTaken(const QString &bizSzam) const
{
    QSqlQuery &query
        = m_statements.run(QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE \"BizSzam\" = ?"), {bizSzam});
    return query.next() && query.value(0).toInt() > 0;
}

bool MovementTable::vatCodeExists(const QString &afaKod) const
{
    QSqlQuery &query
        = m_statements.run(QStringLiteral("SELECT COUNT(*) FROM \"Afa\" WHERE \"Afakod\" = ?"), {afaKod});
    return query.next() && query.value(0).toInt() > 0;
}

MovementTable::MaterialVat MovementTable::materialVat(const QString &fokSzla, const QString &nyilvSzam) const
{
    QSqlQuery &query = m_statements.run(
        QStringLiteral(
            "SELECT \"Megnevezes\", \"AfaCsoport\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" = ?"),
        {fokSzla, nyilvSzam});
    MaterialVat material;
    if (query.next())
        material = MaterialVat {query.value(0).toString(), query.value(1).toString()};
    return material;
}

MovementTable::Pass MovementTable::pass(const MovementRow &row, qint64 exceptId) const
{
    Pass pass;
    QSqlQuery *query = &m_statements.run(
        QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Datum\" = ? AND \"FokSzla\" = ? "
                       "AND \"NyilvSzam\" = ? AND \"RaktAzon\" <> ?"),
        {row.bizSzam, Sql::date(row.datum), row.fokSzla, row.nyilvSzam, exceptId});
    pass.sameMaterial = query->next() && query->value(0).toInt() > 0;

    pass.openingDate = openingDate(row.fokSzla, row.nyilvSzam, exceptId);

    query = &m_statements.run(
        QStringLiteral(
            "SELECT MIN(\"PartAzon\") FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Datum\" = ? AND \"BK\" = ? "
            "AND \"PartAzon\" <> ? AND \"RaktAzon\" <> ?"),
        {row.bizSzam, Sql::date(row.datum), row.bk, row.partAzon, exceptId});
    if (query->next() && !query->value(0).isNull())
        pass.otherPartner = query->value(0).toString();
    return pass;
}

QDate MovementTable::openingDate(const QString &fokSzla, const QString &nyilvSzam, qint64 exceptId) const
{
    QSqlQuery &query = m_statements.run(
        QStringLiteral(
            "SELECT MAX(\"Datum\") FROM \"Raktar\" WHERE \"FokSzla\" = ? AND \"NyilvSzam\" = ? AND \"Mozgnem\" = '00' "
            "AND \"RaktAzon\" <> ?"),
        {fokSzla, nyilvSzam, exceptId});
    return query.next() ? Sql::toDate(query.value(0)) : QDate();
}

bool MovementTable::voucherStored(const QString &bizSzam, const QDate &datum) const
{
    QSqlQuery &query = m_statements.run(
        QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Datum\" = ?"),
        {bizSzam, Sql::date(datum)});
    return query.next() && query.value(0).toInt() > 0;
}

QString MovementTable::voucherSorszam(
    const QString &bizSzam, const QDate &datum, const QString &bk, qint64 exceptId) const
{
    QSqlQuery &query = m_statements.run(
        QStringLiteral("SELECT \"Sorszam\" FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Datum\" = ? AND \"BK\" = ? AND "
                       "\"RaktAzon\" <> ? "
                       "ORDER BY \"RaktAzon\" LIMIT 1"),
        {bizSzam, Sql::date(datum), bk, exceptId});
    return query.next() ? query.value(0).toString() : QString();
}

std::optional<MovementRow> MovementTable::row(qint64 raktAzon) const
{
    QSqlQuery &query = m_statements.run(
        QStringLiteral("SELECT ") + Columns + QStringLiteral(" FROM \"Raktar\" WHERE \"RaktAzon\" = ?"), {raktAzon});
    if (!query.next())
        return std::nullopt;
    return rowFrom(query);
}

qint64 MovementTable::insert(const MovementRow &row)
{
    QSqlQuery &query = m_statements.run(QStringLiteral("INSERT INTO \"Raktar\" (")
            + Columns.mid(Columns.indexOf(QLatin1Char(',')) + 2)
            + QStringLiteral(
                ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING \"RaktAzon\""),
        fieldValues(row));
    if (!query.next())
        throw StockSql::Failure {QStringLiteral("RETURNING RaktAzon")};
    const qint64 id = query.value(0).toLongLong();
    // A write left open would stop the commit.
    query.finish();
    return id;
}

void MovementTable::update(const MovementRow &row)
{
    QVariantList values = fieldValues(row);
    values << row.raktAzon;
    m_statements.run(
        QStringLiteral("UPDATE \"Raktar\" SET \"BK\" = ?, \"Mozgnem\" = ?, \"BizSzam\" = ?, \"Datum\" = ?, \"Sorszam\" "
                       "= ?, \"FokSzla\" = ?, "
                       "\"NyilvSzam\" = ?, \"PartAzon\" = ?, \"User\" = ?, \"AfaKod\" = ?, \"TetelMenny\" = ?, "
                       "\"BeAr\" = ?, \"KiAr\" = ?, "
                       "\"TetelErtek\" = ?, \"AfaErtek\" = ?, \"Brutto\" = ?, \"KeszletMenny\" = ?, \"KeszletErtek\" = "
                       "?, \"Lejarat\" = ?, "
                       "\"Stat\" = ? WHERE \"RaktAzon\" = ?"),
        values);
}

void MovementTable::remove(qint64 raktAzon)
{
    m_statements.run(QStringLiteral("DELETE FROM \"Raktar\" WHERE \"RaktAzon\" = ?"), {raktAzon});
}

QList<MovementRow> MovementTable::manualIssueRows(const QDate &datum, const QString &bizSzam) const
{
    QSqlQuery &query = m_statements.run(QStringLiteral("SELECT ") + Columns
            + QStringLiteral(
                " FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Datum\" = ? AND \"BK\" = 'KI' AND \"Stat\" = ? "
                "AND \"Mozgnem\" <> '08' ORDER BY \"RaktAzon\""),
        {bizSzam, Sql::date(datum), Sql::flag(false)});
    QList<MovementRow> rows;
    while (query.next())
        rows << rowFrom(query);
    return rows;
}
