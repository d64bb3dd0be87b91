// Ration sheet figures, the issue beside its floor measured in the same run:
//   ration compute S issue S floor F
//     compute: views 1 to 4 of a day of 6 meals with 8 dishes each (recipes of 15 lines), with the
//              stock at the date, in a warehouse of 1000 materials, 500 recipes and 1,000,000 rows
//              (bench_ration ROWS takes another number of rows, for a quick try; --location
//              FOLDER|postgresql://... makes the database there instead of a temporary folder);
//     issue:   the sheet of about 150 materials issued as one voucher, back-dated before a month
//              of later rows of each material;
//     floor:   bare SQL inserting the same rows and updating the later rows of those materials in
//              one committed transaction, run after the issue.
//   alacarte compute S issue S floor F
//     the same for an a-la-carte day of 40 dishes (recipes of 15 lines) in one dish group, on the
//     next day, issued as one "08" voucher;
//   alacarte price list S
//     the price list of 2,000 priced dishes (1000 recipes, 1000 materials) read with its figures.
#include "alacarte/CartIssue.h"
#include "alacarte/CartSheetBuilder.h"
#include "alacarte/PriceList.h"
#include "menu/RationBuilder.h"
#include "menu/RationIssue.h"
#include "menu/RationStockAtDate.h"
#include "menu/RationViews.h"
#include "store/Database.h"
#include "store/Sql.h"
#include "store/TransactionGuard.h"

#include "BenchLocation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>

namespace {

const QDate Today(2025, 12, 31);
const QDate RationDate(2025, 12, 1);
const QDate CartDate(2025, 12, 2);
constexpr int Materials = 1000; // a run needs at least 10 rows of each to cover its issues
int RowsEach = 1000; // movement rows of each material
constexpr int Recipes = 500;
constexpr int Lines = 15;
constexpr int Meals = 6;
constexpr int Dishes = 8;
constexpr int CartRecipes = 500; // a-la-carte recipes after the menu's
constexpr int CartDishes = 40;
constexpr int VatPercent = 27; // of VAT code 01 in a new database

QString code(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

bool fail(const QString &what)
{
    std::fprintf(stderr, "%s\n", qPrintable(what));
    return false;
}

bool exec(QSqlQuery &query)
{
    return query.exec() || fail(query.lastError().text());
}

// The material of a recipe line: the recipes share 150 materials.
int materialOf(int recipe, int line)
{
    return ((recipe % 10) * Lines + line) % 150 + 1;
}

bool buildMaterials(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", "
        "\"MenySzorzo\", \"AfaCsoport\", "
        "\"NyilvAr\", \"Kerekites\", \"KeszletMin\", \"KeszletMax\", \"KeszletMennyiseg\", \"KeszletErtek\") "
        "VALUES ('100', ?, ?, '01', 'KG', 10, '01', 100, 2, 0, 0, ?, ?)"));
    for (int m = 1; m <= Materials; ++m) {
        query.bindValue(0, code(m, 4));
        query.bindValue(1, QStringLiteral("Anyag %1").arg(m, 4, 10, QLatin1Char('0')));
        query.bindValue(2, double(RowsEach / 2 * 5));
        query.bindValue(3, double(RowsEach / 2 * 500));
        if (!exec(query))
            return false;
    }
    return true;
}

// Receipts of 10 and issues of 5 at 100, in calculation order within each day, with their
// running balances and the issues' VAT, from 2 January to the end of December: the rows as the
// stock engine writes them, so a recalculation moves only the balances.
bool buildRows(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO \"Raktar\" (\"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", \"FokSzla\", \"NyilvSzam\", "
        "\"PartAzon\", \"User\", \"AfaKod\", "
        "\"TetelMenny\", \"BeAr\", \"KiAr\", \"TetelErtek\", \"AfaErtek\", \"Brutto\", \"KeszletMenny\", "
        "\"KeszletErtek\", \"Stat\") "
        "VALUES (?, ?, ?, ?, '2025/00001', '100', ?, '00000', 'bench', '01', ?, 100, 100, ?, ?, ?, ?, ?, ?)"));
    struct Row
    {
        QDate date;
        bool receipt;
    };
    QList<Row> rows;
    for (int r = 0; r < RowsEach; ++r)
        rows << Row {QDate(2025, 1, 2).addDays(qint64(r) * 360 / RowsEach), r % 2 == 0};
    std::stable_sort(rows.begin(), rows.end(),
        [](const Row &a, const Row &b) { return a.date != b.date ? a.date < b.date : a.receipt && !b.receipt; });
    qint64 number = 0;
    for (int m = 1; m <= Materials; ++m) {
        double stock = 0;
        for (const Row &row : rows) {
            const double quantity = row.receipt ? 10 : 5;
            stock += row.receipt ? quantity : -quantity;
            query.bindValue(0, row.receipt ? QStringLiteral("BE") : QStringLiteral("KI"));
            query.bindValue(1, row.receipt ? QStringLiteral("01") : QStringLiteral("03"));
            query.bindValue(2, code(int(++number), 8));
            query.bindValue(3, row.date);
            query.bindValue(4, code(m, 4));
            query.bindValue(5, quantity);
            query.bindValue(6, quantity * 100);
            query.bindValue(7, row.receipt ? 0.0 : quantity * 100 * VatPercent / 100);
            query.bindValue(8, row.receipt ? 0.0 : quantity * 100 * (100 + VatPercent) / 100);
            query.bindValue(9, stock);
            query.bindValue(10, stock * 100);
            query.bindValue(11, Sql::flag(false));
            if (!exec(query))
                return false;
        }
    }
    return true;
}

bool buildMenu(QSqlDatabase db)
{
    QSqlQuery query(db);
    for (int meal = 1; meal <= Meals; ++meal) {
        query.prepare(
            QStringLiteral("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Norma\") VALUES (?, ?, 500)"));
        query.addBindValue(code(meal, 2));
        query.addBindValue(QStringLiteral("Étkezés %1").arg(meal));
        if (!exec(query))
            return false;
        query.prepare(QStringLiteral(
            "INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\") VALUES (?, ?, 100, ?)"));
        query.addBindValue(RationDate);
        query.addBindValue(code(meal, 2));
        query.addBindValue(Sql::flag(false));
        if (!exec(query))
            return false;
        for (int dish = 0; dish < Dishes; ++dish) {
            query.prepare(QStringLiteral("INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", "
                                         "\"Mennyiseg\") VALUES (?, ?, '1000', ?, 1)"));
            query.addBindValue(RationDate);
            query.addBindValue(code(meal, 2));
            query.addBindValue(code((meal - 1) * Dishes + dish + 1, 4));
            if (!exec(query))
                return false;
        }
    }
    for (int recipe = 1; recipe <= Recipes + CartRecipes; ++recipe) {
        query.prepare(QStringLiteral("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\") VALUES (?, ?)"));
        query.addBindValue(code(recipe, 4));
        query.addBindValue(QStringLiteral("Étel %1").arg(recipe));
        if (!exec(query))
            return false;
        for (int line = 0; line < Lines; ++line) {
            query.prepare(QStringLiteral("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", "
                                         "\"Mennyiseg\") VALUES (?, '100', ?, 1.5)"));
            query.addBindValue(code(recipe, 4));
            query.addBindValue(code(materialOf(recipe, line), 4));
            if (!exec(query))
                return false;
        }
    }
    return true;
}

// Every recipe and material priced, one dish group, and 40 of the a-la-carte recipes on its menu.
bool buildAlacarte(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO \"CartCsop\" (\"Csoport\", \"Megnev\") VALUES ('01', 'Büfé')"));
    if (!exec(query))
        return false;
    query.prepare(QStringLiteral("INSERT INTO \"CartBear\" (\"Fokszam\", \"Etelkod\", \"Haszonkulcs\", \"Fixar\", "
                                 "\"AfaCsoport\", \"Datum\") VALUES (?, ?, 25, 635, '01', ?)"));
    for (int dish = 1; dish <= Recipes + CartRecipes + Materials; ++dish) {
        const bool recipe = dish <= Recipes + CartRecipes;
        query.bindValue(0, recipe ? QStringLiteral("1000") : QStringLiteral("100"));
        query.bindValue(1, code(recipe ? dish : dish - Recipes - CartRecipes, 4));
        query.bindValue(2, Today);
        if (!exec(query))
            return false;
    }
    query.prepare(QStringLiteral("INSERT INTO \"CartEtlap\" (\"Datum\", \"Csoport\", \"FokSzam\", \"Etelkod\", "
                                 "\"Mennyiseg\", \"Letszam\", \"NettoAnyag\") VALUES (?, '01', '1000', ?, 1, 50, -1)"));
    for (int dish = 1; dish <= CartDishes; ++dish) {
        query.bindValue(0, CartDate);
        query.bindValue(1, code(Recipes + dish, 4));
        if (!exec(query))
            return false;
    }
    return true;
}

bool build(const QString &dir)
{
    QSqlDatabase db = Database::warehouse(dir, 1);
    TransactionGuard guard(db);
    return buildMaterials(db) && buildRows(db) && buildMenu(db) && buildAlacarte(db) && (guard.commit() || fail(db.lastError().text()));
}

// The same row work as bare SQL: one insert per total and an update of every later row of its
// material, committed like the issue (it runs after the issue, on the same rows).
double floorSeconds(QSqlDatabase db, const RationSheet &sheet)
{
    QElapsedTimer timer;
    timer.start();
    {
        TransactionGuard guard(db);
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO \"Raktar\" (\"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", \"FokSzla\", "
            "\"NyilvSzam\", \"PartAzon\", \"User\", \"AfaKod\", "
            "\"TetelMenny\", \"BeAr\", \"KiAr\", \"TetelErtek\", \"AfaErtek\", \"Brutto\", \"KeszletMenny\", "
            "\"KeszletErtek\", \"Stat\") "
            "VALUES ('KI', '07', '99999999', ?, '2025/00002', ?, ?, '00001', 'bench', '01', ?, 100, 100, 0, 0, 0, 0, "
            "0, ?)"));
        QSqlQuery later(db);
        later.prepare(QStringLiteral(
            "SELECT \"RaktAzon\" FROM \"Raktar\" WHERE \"FokSzla\" = ? AND \"NyilvSzam\" = ? AND \"Datum\" > ?"));
        QSqlQuery update(db);
        update.prepare(
            QStringLiteral("UPDATE \"Raktar\" SET \"KeszletMenny\" = \"KeszletMenny\" - 1, \"KeszletErtek\" = "
                           "\"KeszletErtek\" - 100 WHERE \"RaktAzon\" = ?"));
        for (const RationTotal &total : sheet.totals()) {
            insert.bindValue(0, sheet.date());
            insert.bindValue(1, total.account);
            insert.bindValue(2, total.number);
            insert.bindValue(3, total.quantity);
            insert.bindValue(4, Sql::flag(true));
            insert.exec();
            later.bindValue(0, total.account);
            later.bindValue(1, total.number);
            later.bindValue(2, sheet.date());
            later.exec();
            QList<qint64> ids;
            while (later.next())
                ids << later.value(0).toLongLong();
            for (const qint64 id : ids) {
                update.bindValue(0, id);
                update.exec();
            }
        }
        guard.commit();
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    BenchLocation location(BenchLocation::take(arguments));
    bool ok = true;
    const int rows = arguments.size() > 1 ? arguments.at(1).toInt(&ok) : Materials * RowsEach;
    if (!ok || rows < Materials * 10 || arguments.size() > 2 || !location.errorText().isEmpty()) {
        std::fprintf(stderr, "usage: bench_ration %s [ROWS] (at least %d) %s\n", qPrintable(BenchLocation::usage()),
            Materials * 10, qPrintable(location.errorText()));
        return 2;
    }
    RowsEach = rows / Materials;
    const QString path = location.create(Today);
    if (path.isEmpty())
        return fail(location.errorText()) ? 0 : 1;
    if (!build(path))
        return 1;
    {
        QSqlDatabase db = Database::warehouse(path, 1);
        QStringList meals;
        for (int meal = 1; meal <= Meals; ++meal)
            meals << code(meal, 2);

        QElapsedTimer timer;
        timer.start();
        RationStockAtDate stock(db, Today.year());
        const auto computed = RationBuilder::compute(db, RationDate, meals, stock);
        if (!computed.ok())
            return fail(computed.refusal.text) ? 0 : 1;
        RationSheet sheet = computed.value.sheet;
        RationViews::dishes(computed.value.menu);
        RationViews::details(sheet);
        sheet.buildTotals();
        RationViews::normText(sheet);
        const double compute = double(timer.nsecsElapsed()) / 1e9;

        RationIssue issue(db, StockOptions {QStringLiteral("bench"), false});
        const RationIssueHeader header {issue.proposeNumber()};
        timer.restart();
        const StockOutcome outcome = issue.issue(sheet, header, QStringLiteral("bench"), Today);
        const double issued = double(timer.nsecsElapsed()) / 1e9;
        if (!outcome.ok())
            return fail(outcome.refusal.text) ? 0 : 1;


        timer.restart();
        RationStockAtDate cartStock(db, Today.year());
        const auto cart = CartSheetBuilder::compute(db, CartDate, {QStringLiteral("01")}, cartStock);
        if (!cart.ok())
            return fail(cart.refusal.text) ? 0 : 1;
        RationSheet cartSheet = cart.value.sheet;
        RationViews::dishes(cart.value.dishes);
        cartSheet.buildTotals();
        RationViews::details(cartSheet);
        const double cartCompute = double(timer.nsecsElapsed()) / 1e9;
        timer.restart();
        const StockOutcome cartOutcome = CartIssue(db, StockOptions {QStringLiteral("bench"), false})
                                             .issue(cartSheet, cart.value.covered, RationIssueHeader {issue.proposeNumber()},
                                                 QStringLiteral("bench"), Today);
        const double cartIssued = double(timer.nsecsElapsed()) / 1e9;
        if (!cartOutcome.ok() || cartOutcome.rows != cartSheet.totals().size())
            return fail(cartOutcome.refusal.text + QStringLiteral(" (a-la-carte rows posted: %1)").arg(cartOutcome.rows))
                ? 0
                : 1;
        // The floors run after both issues: their rows carry no running balance of their own.
        const double floor = floorSeconds(db, sheet);
        std::printf("ration compute %.3f issue %.3f floor %.3f\n", compute, issued, floor);
        const double cartFloor = floorSeconds(db, cartSheet);
        std::printf("alacarte compute %.3f issue %.3f floor %.3f\n", cartCompute, cartIssued, cartFloor);

        timer.restart();
        const auto prices = PriceList::read(db, Today);
        const double listed = double(timer.nsecsElapsed()) / 1e9;
        if (!prices.ok() || prices.value.size() != Recipes + CartRecipes + Materials)
            return fail(QStringLiteral("price list: %1 rows").arg(prices.value.size())) ? 0 : 1;
        std::printf("alacarte price list %.3f\n", listed);
        std::fflush(stdout);
    }
    return 0;
}
