// Stock engine figures, each beside its floor measured in the same run (bare SQL doing the same
// row work without the program's logic):
//   backdated rows N seconds S floor F   a receipt dated before N rows of one material
//                                        (floor: one transaction updating N rows by key)
//   stockat rows 1000000 materials 1000 seconds S floor F   stock at a date of every material
//                                        (floor: one grouped sum over the rows of the period)
//   record rows N seconds S              one receipt item into a warehouse of N rows, its material
//                                        holding 1000 rows (all checks, insert, recalculation, commit)
// bench_stock [--location FOLDER|postgresql://...] [ROWS]: ROWS (10000 to begin with) sizes the
// figures down for a quick try: the backdated rows ROWS and 10 x ROWS, the warehouses 10 and
// ROWS / 10 materials of 1000 rows (1000000 by default).
#include "stock/ItemPrices.h"
#include "stock/StockAtDate.h"
#include "stock/StockLedger.h"
#include "store/Database.h"
#include "store/Sql.h"
#include "store/TransactionGuard.h"

#include "BenchLocation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

namespace {

const QDate Today(2025, 12, 31);

QString code(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

bool fail(const QString &what)
{
    std::fprintf(stderr, "%s\n", qPrintable(what));
    return false;
}

// A fresh database at `location` with `materials` materials of `rowsEach` movement rows each:
// receipts of 10 and issues of 5 in turn, from 2 January on; its location, or empty.
QString build(BenchLocation &location, int materials, int rowsEach)
{
    const QString dir = location.create(Today);
    if (dir.isEmpty())
        return fail(location.errorText()), QString();
    QSqlDatabase db = Database::warehouse(dir, 1);
    TransactionGuard guard(db);
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", "
        "\"MenySzorzo\", \"AfaCsoport\", \"NyilvAr\", \"Kerekites\", \"KeszletMin\", \"KeszletMax\", "
        "\"KeszletMennyiseg\", \"KeszletErtek\") "
        "VALUES ('100', ?, ?, '01', 'KG', 10, '01', 0, 2, 0, 0, 0, 0)"));
    for (int m = 1; m <= materials; ++m) {
        query.bindValue(0, code(m, 4));
        query.bindValue(1, QStringLiteral("Anyag %1").arg(m));
        if (!query.exec())
            return fail(query.lastError().text()), QString();
    }
    query.prepare(QStringLiteral(
        "INSERT INTO \"Raktar\" (\"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", \"FokSzla\", "
        "\"NyilvSzam\", \"PartAzon\", \"User\", \"AfaKod\", \"TetelMenny\", \"BeAr\", \"KiAr\", "
        "\"TetelErtek\", \"AfaErtek\", \"Brutto\", \"KeszletMenny\", \"KeszletErtek\", \"Stat\") "
        "VALUES (?, ?, ?, ?, '2025/00001', '100', ?, '00000', 'bench', '01', ?, 100, 100, ?, 0, 0, 0, 0, ?)"));
    qint64 number = 0;
    for (int m = 1; m <= materials; ++m) {
        for (int r = 0; r < rowsEach; ++r) {
            const bool receipt = r % 2 == 0;
            query.bindValue(0, receipt ? QStringLiteral("BE") : QStringLiteral("KI"));
            query.bindValue(1, receipt ? QStringLiteral("01") : QStringLiteral("03"));
            query.bindValue(2, code(int(++number), 8));
            query.bindValue(3, QDate(2025, 1, 2).addDays(qint64(r) * 360 / rowsEach));
            query.bindValue(4, code(m, 4));
            query.bindValue(5, receipt ? 10.0 : 5.0);
            query.bindValue(6, receipt ? 1000.0 : 500.0);
            query.bindValue(7, Sql::flag(false));
            if (!query.exec())
                return fail(query.lastError().text()), QString();
        }
    }
    return guard.commit() || fail(db.lastError().text()) ? dir : QString();
}

StockItem backdatedReceipt(const QString &bizSzam)
{
    StockItem item;
    item.mozgnem = QStringLiteral("01");
    item.bizSzam = bizSzam;
    item.datum = QDate(2025, 1, 1);
    item.fokSzla = QStringLiteral("100");
    item.nyilvSzam = QStringLiteral("0001");
    item.partAzon = QStringLiteral("00000");
    item.afaKod = QStringLiteral("01");
    item.quantity = 3;
    ItemPrices typed;
    typed.netUnit = Money::fromUnits(1234500);
    const ItemPrices prices = ItemPrices::compute(ItemPrices::Typed::NetUnit, typed, item.quantity, 27);
    item.netUnit = prices.netUnit;
    item.netTotal = prices.netTotal;
    item.vatTotal = prices.vatTotal;
    item.grossTotal = prices.grossTotal;
    return item;
}

double recordSeconds(QSqlDatabase db, int times)
{
    StockLedger ledger(db, StockOptions {QStringLiteral("bench"), false});
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < times; ++i) {
        const StockOutcome outcome = ledger.record(backdatedReceipt(code(90000000 + i, 8)));
        if (!outcome.ok()) {
            fail(outcome.refusal.text);
            return -1;
        }
    }
    return double(timer.nsecsElapsed()) / 1e9 / times;
}

// Updating every row of material 0001 by key in one transaction, as bare SQL.
double updateFloor(QSqlDatabase db)
{
    QElapsedTimer timer;
    timer.start();
    TransactionGuard guard(db);
    QSqlQuery ids(db);
    ids.exec(QStringLiteral(
        "SELECT \"RaktAzon\" FROM \"Raktar\" WHERE \"FokSzla\" = '100' AND \"NyilvSzam\" = '0001'"));
    QList<qint64> keys;
    while (ids.next())
        keys << ids.value(0).toLongLong();
    QSqlQuery update(db);
    update.prepare(QStringLiteral(
        "UPDATE \"Raktar\" SET \"KeszletMenny\" = ?, \"KeszletErtek\" = ? WHERE \"RaktAzon\" = ?"));
    for (qint64 key : keys) {
        update.bindValue(0, double(key % 97));
        update.bindValue(1, double(key % 89));
        update.bindValue(2, key);
        update.exec();
    }
    guard.commit();
    return double(timer.nsecsElapsed()) / 1e9;
}

void backdated(BenchLocation &location, int rows)
{
    const QString path = build(location, 1, rows);
    if (path.isEmpty())
        return;
    {
        QSqlDatabase db = Database::warehouse(path, 1);
        const double floor = updateFloor(db);
        const double seconds = recordSeconds(db, 1);
        std::printf("backdated rows %d seconds %.3f floor %.3f\n", rows, seconds, floor);
        std::fflush(stdout);
    }
    location.remove(path);
}

void measure(QSqlDatabase db, int materials, bool stockAt);

void warehouse(BenchLocation &location, int materials, bool stockAt)
{
    const QString path = build(location, materials, 1000);
    if (path.isEmpty())
        return;
    measure(Database::warehouse(path, 1), materials, stockAt);
    location.remove(path);
}

void measure(QSqlDatabase db, int materials, bool stockAt)
{
    if (stockAt) {
        QElapsedTimer timer;
        timer.start();
        QSqlQuery sum(db);
        sum.prepare(QStringLiteral("SELECT \"FokSzla\", \"NyilvSzam\", SUM(\"TetelMenny\") FROM \"Raktar\" "
                                   "WHERE \"Datum\" >= ? AND \"Datum\" <= ? GROUP BY \"FokSzla\", \"NyilvSzam\""));
        sum.addBindValue(QDate(Today.year(), 1, 1));
        sum.addBindValue(Today);
        sum.exec();
        while (sum.next()) { }
        const double floor = double(timer.nsecsElapsed()) / 1e9;
        timer.restart();
        const QList<StockLine> lines = StockAtDate(db).compute(Today, Today.year());
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        std::printf("stockat rows %d materials %d seconds %.3f floor %.3f\n", materials * 1000, int(lines.size()),
            seconds, floor);
        std::fflush(stdout);
    }
    std::printf("record rows %d seconds %.4f\n", materials * 1000, recordSeconds(db, 5));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    BenchLocation location(BenchLocation::take(arguments));
    bool ok = true;
    const int rows = arguments.size() > 1 ? arguments.at(1).toInt(&ok) : 10000;
    if (!ok || rows < 10 || arguments.size() > 2 || !location.errorText().isEmpty()) {
        std::fprintf(stderr, "usage: bench_stock %s [ROWS] (at least 10) %s\n", qPrintable(BenchLocation::usage()),
            qPrintable(location.errorText()));
        return 2;
    }
    backdated(location, rows);
    backdated(location, rows * 10);
    warehouse(location, 10, false);
    warehouse(location, rows / 10, true);
    return 0;
}
