#include "stock/MovementTable.h"

#include "stock/StockSql.h"
#include "store/PreparedStatement.h"
#include "store/Sql.h"

namespace {

const QString Columns = QStringLiteral("\"RaktAzon\", \"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", "
                                       "\"FokSzla\", \"NyilvSzam\", \"PartAzon\", \"User\", \"AfaKod\", "
                                       "\"TetelMenny\", \"BeAr\", \"KiAr\", \"TetelErtek\", \"AfaErtek\", \"Brutto\", "
                                       "\"KeszletMenny\", \"KeszletErtek\", \"Lejarat\", \"Stat\"");

const QStringList Fields {QStringLiteral("BK"), QStringLiteral("Mozgnem"), QStringLiteral("BizSzam"),
    QStringLiteral("Datum"), QStringLiteral("Sorszam"), QStringLiteral("FokSzla"), QStringLiteral("NyilvSzam"),
    QStringLiteral("PartAzon"), QStringLiteral("User"), QStringLiteral("AfaKod"), QStringLiteral("TetelMenny"),
    QStringLiteral("BeAr"), QStringLiteral("KiAr"), QStringLiteral("TetelErtek"), QStringLiteral("AfaErtek"),
    QStringLiteral("Brutto"), QStringLiteral("KeszletMenny"), QStringLiteral("KeszletErtek"),
    QStringLiteral("Lejarat"), QStringLiteral("Stat")};

MovementRow rowFrom(const PreparedStatement &query)
{
    MovementRow row;
    row.raktAzon = query.integer(0);
    row.bk = query.text(1);
    row.mozgnem = query.text(2);
    row.bizSzam = query.text(3);
    row.datum = query.date(4);
    row.sorszam = query.text(5);
    row.fokSzla = query.text(6);
    row.nyilvSzam = query.text(7);
    row.partAzon = query.text(8);
    row.user = query.text(9);
    row.afaKod = query.text(10);
    row.tetelMenny = query.real(11);
    row.beAr = query.money(12);
    row.kiAr = query.money(13);
    row.tetelErtek = query.money(14);
    row.afaErtek = query.money(15);
    row.brutto = query.money(16);
    row.keszletMenny = query.real(17);
    row.keszletErtek = query.money(18);
    row.lejarat = query.date(19);
    row.stat = query.flag(20);
    return row;
}

QVariantList fieldValues(const MovementRow &row)
{
    return {row.bk, row.mozgnem, row.bizSzam, Sql::date(row.datum), row.sorszam, row.fokSzla, row.nyilvSzam,
        row.partAzon, row.user, row.afaKod, row.tetelMenny, Sql::money(row.beAr), Sql::money(row.kiAr),
        Sql::money(row.tetelErtek), Sql::money(row.afaErtek), Sql::money(row.brutto), row.keszletMenny,
        Sql::money(row.keszletErtek), Sql::date(row.lejarat), Sql::flag(row.stat)};
}

// Runs a look-up of at most one row and hands its row to `read` (when there is one); the statement
// is finished at once, so no read stays open after it.
template <typename Read> void lookUp(QSqlDatabase db, const QString &sql, const QVariantList &values, Read read)
{
    PreparedStatement &query = StockSql::run(db, sql, values);
    if (query.next())
        read(query);
    const QString error = query.error();
    query.finish();
    if (!error.isEmpty())
        throw StockSql::Failure {error};
}

} // namespace

QDate MovementTable::closingDate() const
{
    QDate closed;
    lookUp(m_db, QStringLiteral("SELECT MAX(\"Datum\") FROM \"Napizaras\""), {},
        [&](const PreparedStatement &query) { closed = query.date(0); });
    return closed;
}

MovementTable::ItemFacts MovementTable::itemFacts(const MovementRow &row, qint64 exceptId) const
{
    // Existence as "1 ... LIMIT 1" (NULL without a row), so a look-up stops at its first index
    // entry. Whether the voucher holds the material is asked of the voucher's few rows: asked of
    // the material's, SQLite would walk every row of the material. The voucher's direction is
    // worked out once, in the inner select.
    static const QString sql = QStringLiteral(
        "SELECT (SELECT MAX(\"Datum\") FROM \"Napizaras\"), a.\"Kerekites\", a.\"Megnevezes\", a.\"AfaCsoport\", "
        "o.\"Irany\", (SELECT 1 FROM \"Raktar\" WHERE \"BizSzam\" = ? LIMIT 1), "
        "(SELECT 1 FROM \"Afa\" WHERE \"Afakod\" = ? LIMIT 1), (SELECT MAX(\"BizSzam\") FROM \"Raktar\"), "
        "(SELECT MAX(CASE WHEN \"FokSzla\" = ? AND \"NyilvSzam\" = ? THEN 1 ELSE 0 END) FROM \"Raktar\" "
        "WHERE \"BizSzam\" = ? AND \"Datum\" = ? AND \"RaktAzon\" <> ?), "
        "(SELECT MAX(\"Datum\") FROM \"Raktar\" WHERE \"FokSzla\" = ? AND \"NyilvSzam\" = ? AND \"Mozgnem\" = '00' "
        "AND \"RaktAzon\" <> ?), "
        "(SELECT MIN(\"PartAzon\") FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Datum\" = ? AND \"BK\" = o.\"BK\" "
        "AND \"PartAzon\" <> ? AND \"RaktAzon\" <> ?), "
        "(SELECT \"Sorszam\" FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Datum\" = ? AND \"BK\" = o.\"BK\" "
        "AND \"RaktAzon\" <> ? ORDER BY \"RaktAzon\" LIMIT 1), "
        "(SELECT \"Sorsz\" FROM \"Sorszam\" WHERE \"Ev\" = ?), "
        "(SELECT f.\"Afakod\" FROM \"Afa\" f WHERE f.\"AfaCsoport\" = a.\"AfaCsoport\" AND f.\"Datum\" <= ? "
        "ORDER BY f.\"Datum\" DESC, f.\"Afakod\" DESC LIMIT 1) "
        "FROM (SELECT i.\"Irany\", COALESCE(NULLIF(?, ''), i.\"Irany\") AS \"BK\" FROM (SELECT (SELECT \"Irany\" "
        "FROM \"Mozgnem\" WHERE \"MozgnemKod\" = ?) AS \"Irany\") i) o "
        "LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = ? AND a.\"NyilvSzam\" = ?");
    const QVariant datum = Sql::date(row.datum);
    ItemFacts facts;
    lookUp(m_db, sql,
        {row.bizSzam, row.afaKod, row.fokSzla, row.nyilvSzam, row.bizSzam, datum, exceptId, row.fokSzla,
            row.nyilvSzam, exceptId, row.bizSzam, datum, row.partAzon, exceptId, row.bizSzam, datum, exceptId,
            QString::number(row.datum.year()), datum, row.bk, row.mozgnem, row.fokSzla, row.nyilvSzam},
        [&](const PreparedStatement &query) {
            facts.closed = query.date(0);
            if (!query.isNull(1))
                facts.decimals = int(qBound(qint64(0), query.integer(1), qint64(4)));
            facts.megnevezes = query.text(2);
            facts.afaCsoport = query.text(3);
            facts.direction = query.text(4);
            facts.numberTaken = !query.isNull(5);
            facts.vatExists = !query.isNull(6);
            facts.highestNumber = query.text(7);
            facts.pass.sameMaterial = query.integer(8) == 1;
            facts.pass.openingDate = query.date(9);
            facts.pass.otherPartner = query.text(10);
            facts.sorszam = query.text(11);
            facts.counter = query.text(12);
            facts.vatInForce = query.text(13);
        });
    return facts;
}

QString MovementTable::voucherSorszam(
    const QString &bizSzam, const QDate &datum, const QString &bk, qint64 exceptId) const
{
    QString sorszam;
    lookUp(m_db,
        QStringLiteral("SELECT \"Sorszam\" FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Datum\" = ? AND \"BK\" = ? AND "
                       "\"RaktAzon\" <> ? ORDER BY \"RaktAzon\" LIMIT 1"),
        {bizSzam, Sql::date(datum), bk, exceptId}, [&](const PreparedStatement &query) { sorszam = query.text(0); });
    return sorszam;
}

std::optional<MovementRow> MovementTable::row(qint64 raktAzon) const
{
    std::optional<MovementRow> found;
    lookUp(m_db, QStringLiteral("SELECT ") + Columns + QStringLiteral(" FROM \"Raktar\" WHERE \"RaktAzon\" = ?"),
        {raktAzon}, [&](const PreparedStatement &query) { found = rowFrom(query); });
    return found;
}

qint64 MovementTable::insert(const MovementRow &row)
{
    QString error;
    const qint64 id
        = Sql::insertReturningId(m_db, QStringLiteral("Raktar"), Fields, fieldValues(row), QStringLiteral("RaktAzon"), &error);
    if (id < 0)
        throw StockSql::Failure {error};
    return id;
}

void MovementTable::update(const MovementRow &row)
{
    static const QString sql = [] {
        QStringList assignments;
        for (const QString &field : Fields)
            assignments << QLatin1Char('"') + field + QStringLiteral("\" = ?");
        return QStringLiteral("UPDATE \"Raktar\" SET ") + assignments.join(QStringLiteral(", "))
            + QStringLiteral(" WHERE \"RaktAzon\" = ?");
    }();
    QVariantList values = fieldValues(row);
    values << row.raktAzon;
    StockSql::run(m_db, sql, values);
}

void MovementTable::remove(qint64 raktAzon)
{
    StockSql::run(m_db, QStringLiteral("DELETE FROM \"Raktar\" WHERE \"RaktAzon\" = ?"), {raktAzon});
}

QList<MovementRow> MovementTable::manualIssueRows(const QDate &datum, const QString &bizSzam) const
{
    PreparedStatement &query = StockSql::run(m_db,
        QStringLiteral("SELECT ") + Columns
            + QStringLiteral(
                " FROM \"Raktar\" WHERE \"BizSzam\" = ? AND \"Datum\" = ? AND \"BK\" = 'KI' AND \"Stat\" = ? "
                "AND \"Mozgnem\" <> '08' ORDER BY \"RaktAzon\""),
        {bizSzam, Sql::date(datum), Sql::flag(false)});
    QList<MovementRow> rows;
    while (query.next())
        rows << rowFrom(query);
    if (!query.error().isEmpty())
        throw StockSql::Failure {query.error()};
    return rows;
}
