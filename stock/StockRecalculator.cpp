#include "stock/StockRecalculator.h"

#include "stock/StockSql.h"
#include "store/Catalogue.h"
#include "store/PreparedStatement.h"
#include "store/RowUpdates.h"
#include "store/Sql.h"


namespace {

// A row as loaded, with the stored values the write compares against.
struct Stored
{
    Money beAr, kiAr, tetelErtek, afaErtek, brutto, keszletErtek;
    double keszletMenny = 0;
};

} // namespace

QString StockRecalculator::orderBy(bool descending)
{
    QStringList terms = Catalogue::orderCalTerms();
    if (descending) {
        for (QString &term : terms)
            term += QStringLiteral(" DESC");
    }
    return terms.join(QStringLiteral(", "));
}

StockRecalculator::Result StockRecalculator::run(
    const QString &fokSzla, const QString &nyilvSzam, const QDate &from, bool write)
{
    Result result;
    MaterialStock &material = result.material;

    // Built once: the calculation order is the same for every material. The material and the
    // balance before `from` (none without a date) come in one statement: a row whatever exists.
    static const QString startSql = QStringLiteral(
        "SELECT a.\"NyilvSzam\", a.\"Megnevezes\", a.\"Kerekites\", a.\"KeszletMin\", a.\"KeszletMax\", "
        "a.\"KeszletMennyiseg\", a.\"KeszletErtek\", a.\"NyilvAr\", s.\"KeszletMenny\", s.\"KeszletErtek\", s.\"KiAr\" "
        "FROM (SELECT 1 AS \"Egy\") o "
        "LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = ? AND a.\"NyilvSzam\" = ? "
        "LEFT JOIN (SELECT \"KeszletMenny\", \"KeszletErtek\", \"KiAr\" FROM \"Raktar\" WHERE \"FokSzla\" = ? "
        "AND \"NyilvSzam\" = ? AND \"Datum\" < ? ORDER BY ")
        + orderBy(true) + QStringLiteral(" LIMIT 1) s ON 1 = 1");
    // Issue rows carry the percent of their VAT code (none for a code that does not exist).
    static const QString select = QStringLiteral(
        "SELECT \"RaktAzon\", \"BK\", \"Mozgnem\", \"TetelMenny\", \"TetelErtek\", "
        "CASE WHEN \"BK\" = 'BE' THEN NULL ELSE (SELECT f.\"AfaErtek\" FROM \"Afa\" f "
        "WHERE f.\"Afakod\" = \"Raktar\".\"AfaKod\") END, \"BeAr\", \"KiAr\", \"AfaErtek\", \"Brutto\", "
        "\"KeszletMenny\", \"KeszletErtek\" FROM \"Raktar\" WHERE \"FokSzla\" = ? AND \"NyilvSzam\" = ?");
    static const QString walkFromSql = select + QStringLiteral(" AND \"Datum\" >= ? ORDER BY ") + orderBy(false);
    static const QString walkAllSql = select + QStringLiteral(" ORDER BY ") + orderBy(false);

    Recalculation::Balance start;
    // The price of the row before the walk (its KiAr: the average after a receipt, before an
    // issue): the register price when no row is left from `from` on.
    Money startPrice;
    {
        PreparedStatement &query = StockSql::statement(m_db, startSql);
        query.bindText(0, fokSzla);
        query.bindText(1, nyilvSzam);
        query.bindText(2, fokSzla);
        query.bindText(3, nyilvSzam);
        query.bind(4, from.isValid() ? Sql::date(from) : QVariant());
        StockSql::exec(query);
        if (query.next()) {
            material.found = !query.isNull(0);
            if (material.found) {
                material.megnevezes = query.text(1);
                material.kerekites = int(qBound(qint64(0), query.integer(2), qint64(4)));
                material.keszletMin = query.real(3);
                material.keszletMax = query.real(4);
                material.keszletMennyiseg = query.real(5);
                material.keszletErtek = query.money(6);
                material.nyilvAr = query.money(7);
            }
            start = Recalculation::Balance {query.real(8), query.money(9)};
            startPrice = query.money(10);
        }
        const QString error = query.error();
        query.finish();
        if (!error.isEmpty())
            throw StockSql::Failure {error};
    }
    // Rows of a material missing from the master (an import): quantities to three decimals.
    if (!material.found)
        material.kerekites = 3;

    PreparedStatement &walk = StockSql::statement(m_db, from.isValid() ? walkFromSql : walkAllSql);
    walk.bindText(0, fokSzla);
    walk.bindText(1, nyilvSzam);
    if (from.isValid())
        walk.bindDate(2, from);
    StockSql::exec(walk);

    QList<Recalculation::Row> rows;
    QList<Stored> stored;
    while (walk.next()) {
        Recalculation::Row row;
        row.id = walk.integer(0);
        const QString bk = walk.text(1);
        row.receipt = bk == QLatin1String("BE");
        row.opening = row.receipt && walk.text(2) == QLatin1String("00");
        row.quantity = walk.real(3);
        row.value = walk.money(4);
        if (!row.receipt)
            row.vatPercent = walk.real(5);
        Stored before;
        before.tetelErtek = row.value;
        before.beAr = walk.money(6);
        before.kiAr = walk.money(7);
        before.afaErtek = walk.money(8);
        before.brutto = walk.money(9);
        before.keszletMenny = walk.real(10);
        before.keszletErtek = walk.money(11);
        rows << row;
        stored << before;
    }
    if (!walk.error().isEmpty())
        throw StockSql::Failure {walk.error()};
    walk.finish();

    const Recalculation::Outcome outcome = Recalculation::run(start, rows, result.material.kerekites, m_kiadAr);
    result.rowsWalked = int(rows.size());
    result.negative = outcome.negative();
    if (result.negative || !write)
        return result;

    // Only the fields that changed: a back-dated row mostly moves the balances alone.
    enum { KeszletMenny, KeszletErtek, KiAr, BeAr, TetelErtek, AfaErtek, Brutto };
    RowUpdates updates(m_db, QStringLiteral("Raktar"), QStringLiteral("RaktAzon"),
        {{QStringLiteral("KeszletMenny"), RowUpdates::Type::Real},
            {QStringLiteral("KeszletErtek"), RowUpdates::Type::Money},
            {QStringLiteral("KiAr"), RowUpdates::Type::Money}, {QStringLiteral("BeAr"), RowUpdates::Type::Money},
            {QStringLiteral("TetelErtek"), RowUpdates::Type::Money},
            {QStringLiteral("AfaErtek"), RowUpdates::Type::Money},
            {QStringLiteral("Brutto"), RowUpdates::Type::Money}});
    for (int i = 0; i < rows.size(); ++i) {
        const Recalculation::Row &row = rows.at(i);
        const Stored &before = stored.at(i);
        const bool balanceSame = before.keszletMenny == row.after.quantity && before.keszletErtek == row.after.value;
        const bool ownSame = before.kiAr == row.averagePrice
            && (row.receipt
                || (before.beAr == row.unitPrice && before.tetelErtek == row.value && before.afaErtek == row.vat
                    && before.brutto == row.gross));
        if (balanceSame && ownSame)
            continue;
        updates.row(row.id);
        updates.setReal(KeszletMenny, row.after.quantity);
        updates.setMoney(KeszletErtek, row.after.value);
        if (!ownSame) {
            updates.setMoney(KiAr, row.averagePrice);
            if (!row.receipt) {
                updates.setMoney(BeAr, row.unitPrice);
                updates.setMoney(TetelErtek, row.value);
                updates.setMoney(AfaErtek, row.vat);
                updates.setMoney(Brutto, row.gross);
            }
        }
    }
    result.rowsWritten = updates.size();
    if (const QString error = updates.write(); !error.isEmpty())
        throw StockSql::Failure {error};

    material.keszletMennyiseg = outcome.end.quantity;
    material.keszletErtek = outcome.end.value;
    // The price of the material's last row, also when its latest rows were deleted or moved
    // away; 0 when it has no row left.
    material.nyilvAr = outcome.hasPrice ? outcome.lastPrice : startPrice;
    if (material.found) {
        PreparedStatement &update = StockSql::statement(m_db, 
            QStringLiteral("UPDATE \"Anyag\" SET \"KeszletMennyiseg\" = ?, \"KeszletErtek\" = ?, \"NyilvAr\" = ? "
                           "WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" = ?"));
        update.bindReal(0, material.keszletMennyiseg);
        update.bindMoney(1, material.keszletErtek);
        update.bindMoney(2, material.nyilvAr);
        update.bindText(3, fokSzla);
        update.bindText(4, nyilvSzam);
        StockSql::exec(update);
    }
    return result;
}
