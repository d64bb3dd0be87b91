// The same work on the embedded engine and on the server, in one run (SALVIA_TEST_PG, or the
// first argument, names the server; each figure gets a database of its own there):
//   server history ops 3000 sqlite S server T statements N
//        the stock history driver's 3000 operations (seed 7); N: statements the server received
//   server backdated rows 100000 sqlite S server T
//        one receipt dated before 100000 rows of its material (checks, insert, recalculation, commit)
//   server ration-issue sqlite S server T
//        a ration sheet of 40 materials (30 rows each) issued as one voucher
//   server demo sqlite S server T
//        the demo database made from nothing
#include "demo/DemoDatabase.h"
#include "menu/MenuRows.h"
#include "menu/RationBuilder.h"
#include "menu/RationIssue.h"
#include "menu/RationStockAtDate.h"
#include "stock/ItemPrices.h"
#include "stock/StockLedger.h"
#include "store/TransactionGuard.h"
#include "support/RationFixture.h"
#include "support/StatementCount.h"
#include "support/StockHistory.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include "BenchLocation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

namespace {

const QDate Today(2025, 6, 1);

bool fail(const QString &what)
{
    std::fprintf(stderr, "%s\n", qPrintable(what));
    return false;
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// The history's seconds; its statements in *statements on a server.
double history(const QString &engine, qint64 *statements)
{
    TempDatabase db(Today, engine);
    if (!db.isValid())
        return fail(db.errorText()), -1;
    std::unique_ptr<StatementCount> counter;
    if (db.isServer())
        counter = std::make_unique<StatementCount>(db.warehouse(1));
    StockHistory driver(db.warehouse(1), 7, false);
    const StockHistory::Result result = driver.run(3000);
    if (result.failed)
        return fail(result.error), -1;
    if (counter)
        *statements = counter->count();
    return result.seconds;
}

bool exec(QSqlQuery &query, const QString &sql, const QVariantList &values = {})
{
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() || fail(query.lastError().text());
}

const QString InsertRow = QStringLiteral(
    "INSERT INTO \"Raktar\" (\"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", \"FokSzla\", \"NyilvSzam\", "
    "\"PartAzon\", \"User\", \"AfaKod\", \"TetelMenny\", \"BeAr\", \"KiAr\", \"TetelErtek\", \"AfaErtek\", \"Brutto\", "
    "\"KeszletMenny\", \"KeszletErtek\", \"Stat\") VALUES ('BE', '01', ?, ?, '2025/00001', ?, ?, '00000', 'bench', "
    "'01', ?, 100, 100, ?, 0, 0, ?, ?, FALSE)");

// `rows` receipts of one unit at 100 of material 100/`number` dated `from`, copied from the first
// in one statement, their balances running on.
bool materialRows(QSqlDatabase db, const QString &number, const QDate &from, int rows)
{
    QSqlQuery query(db);
    return exec(query,
               QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", "
                              "\"Mertekegyseg\", \"MenySzorzo\", \"AfaCsoport\", \"NyilvAr\", \"Kerekites\", "
                              "\"KeszletMin\", \"KeszletMax\", \"KeszletMennyiseg\", \"KeszletErtek\") "
                              "VALUES ('100', ?, ?, '01', 'KG', 10, '01', 100, 2, 0, 0, ?, ?)"),
               {number, QStringLiteral("Anyag ") + number, double(rows), double(rows) * 100})
        && exec(query, InsertRow,
            {QStringLiteral("1") + number.rightJustified(7, QLatin1Char('0')), from.toString(Qt::ISODate),
                QStringLiteral("100"), number, 1.0, 100.0, 1.0, 100.0})
        && (rows == 1
            || exec(query,
                QStringLiteral(
                    "INSERT INTO \"Raktar\" (\"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", \"FokSzla\", "
                    "\"NyilvSzam\", \"PartAzon\", \"User\", \"AfaKod\", \"TetelMenny\", \"BeAr\", \"KiAr\", "
                    "\"TetelErtek\", \"AfaErtek\", \"Brutto\", \"KeszletMenny\", \"KeszletErtek\", \"Stat\") "
                    "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                    "SELECT r.\"BK\", r.\"Mozgnem\", r.\"BizSzam\", r.\"Datum\", r.\"Sorszam\", r.\"FokSzla\", "
                    "r.\"NyilvSzam\", r.\"PartAzon\", r.\"User\", r.\"AfaKod\", r.\"TetelMenny\", r.\"BeAr\", "
                    "r.\"KiAr\", r.\"TetelErtek\", r.\"AfaErtek\", r.\"Brutto\", n.i, n.i * 100, r.\"Stat\" "
                    "FROM \"Raktar\" r CROSS JOIN n WHERE r.\"FokSzla\" = '100' AND r.\"NyilvSzam\" = ?"),
                {rows, number}));
}

StockItem receipt(const QString &number, const QDate &date)
{
    StockItem item;
    item.mozgnem = QStringLiteral("01");
    item.bizSzam = QStringLiteral("90000001");
    item.datum = date;
    item.fokSzla = QStringLiteral("100");
    item.nyilvSzam = number;
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

double backdated(const QString &engine)
{
    TempDatabase db(Today, engine);
    if (!db.isValid())
        return fail(db.errorText()), -1;
    {
        TransactionGuard guard(db.warehouse(1));
        if (!materialRows(db.warehouse(1), QStringLiteral("0001"), QDate(2025, 3, 1), 100000) || !guard.commit())
            return -1;
    }
    StockLedger ledger(db.warehouse(1), StockOptions {QStringLiteral("bench"), false});
    QElapsedTimer timer;
    timer.start();
    const StockOutcome outcome = ledger.record(receipt(QStringLiteral("0001"), QDate(2025, 1, 10)));
    if (!outcome.ok())
        return fail(outcome.refusal.text), -1;
    return seconds(timer);
}

constexpr int RationMaterials = 40;

double rationIssue(const QString &engine)
{
    TempDatabase db(Today, engine);
    if (!db.isValid())
        return fail(db.errorText()), -1;
    QSqlDatabase wh = db.warehouse(1);
    RationFixture fixture(wh);
    QList<RationFixture::Ingredient> ingredients;
    {
        TransactionGuard guard(wh);
        for (int m = 1; m <= RationMaterials; ++m) {
            const QString number = QString::number(m).rightJustified(4, QLatin1Char('0'));
            if (!materialRows(wh, number, QDate(2025, 1, 5), 30))
                return -1;
            ingredients << RationFixture::Ingredient {QStringLiteral("100"), number, 10};
        }
        if (!fixture.meal(QStringLiteral("01"), QStringLiteral("Ebéd"))
            || !fixture.recipe(QStringLiteral("0001"), QStringLiteral("Főzelék"), ingredients)
            || !fixture.menu(QDate(2025, 2, 10), QStringLiteral("01"), MenuRows::recipeAccount(), QStringLiteral("0001"), 1)
            || !fixture.headcount(QDate(2025, 2, 10), QStringLiteral("01"), 10) || !guard.commit())
            return fail(QStringLiteral("ration fixture")), -1;
    }
    RationStockAtDate stock(wh, Today.year());
    const auto computed = RationBuilder::compute(wh, QDate(2025, 2, 10), {QStringLiteral("01")}, stock);
    if (!computed.ok())
        return fail(computed.refusal.text), -1;
    RationSheet sheet = computed.value.sheet;
    sheet.buildTotals();
    RationIssue issue(wh, StockOptions {QStringLiteral("bench"), false});
    const RationIssueHeader header {issue.proposeNumber()};
    QElapsedTimer timer;
    timer.start();
    const StockOutcome outcome = issue.issue(sheet, header, QStringLiteral("bench"), Today);
    if (!outcome.ok())
        return fail(outcome.refusal.text), -1;
    if (outcome.rows != RationMaterials)
        return fail(QStringLiteral("the issue posted %1 rows, not %2").arg(outcome.rows).arg(RationMaterials)), -1;
    return seconds(timer);
}

double demo(const QString &engine)
{
    BenchLocation place(engine == TestEngines::sqlite() ? QString() : qEnvironmentVariable("SALVIA_TEST_PG"));
    const QString location = place.fresh();
    if (location.isEmpty())
        return fail(place.errorText()), -1;
    QElapsedTimer timer;
    timer.start();
    const Checked<QString> built = DemoDatabase::build(location, {}, Today);
    const double taken = seconds(timer);
    if (!built.ok())
        return fail(built.refusal.text), -1;
    return taken;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        qputenv("SALVIA_TEST_PG", argv[1]);
    if (!TestEngines::names().contains(TestEngines::postgresql()))
        return fail(QStringLiteral("usage: bench_server [SERVER-URI] (or SALVIA_TEST_PG)")) ? 0 : 2;
    const QString sqlite = TestEngines::sqlite();
    const QString server = TestEngines::postgresql();
    const QStringList only = app.arguments().mid(2);
    auto wanted = [&only](const char *name) { return only.isEmpty() || only.contains(QLatin1String(name)); };

    if (wanted("history")) {
        qint64 statements = 0;
        qint64 ignored = 0;
        const double embedded = history(sqlite, &ignored);
        const double served = history(server, &statements);
        std::printf("server history ops 3000 sqlite %.2f server %.2f statements %lld\n", embedded, served,
            static_cast<long long>(statements));
        std::fflush(stdout);
    }
    if (wanted("backdated")) {
        std::printf("server backdated rows 100000 sqlite %.3f server %.3f\n", backdated(sqlite), backdated(server));
        std::fflush(stdout);
    }
    if (wanted("ration")) {
        std::printf("server ration-issue sqlite %.3f server %.3f\n", rationIssue(sqlite), rationIssue(server));
        std::fflush(stdout);
    }
    if (wanted("demo")) {
        std::printf("server demo sqlite %.2f server %.2f\n", demo(sqlite), demo(server));
        std::fflush(stdout);
    }
    return 0;
}
