#include "StockHistory.h"
#include "alacarte/CartIssue.h"
#include "alacarte/CartMenuRows.h"
#include "alacarte/CartSheetBuilder.h"

#include "menu/RationBuilder.h"
#include "menu/RationDayDeletion.h"
#include "menu/RationIssue.h"
#include "menu/RationStockAtDate.h"
#include "stock/ItemPrices.h"
#include "stock/MovementTable.h"
#include "stock/StockLedger.h"
#include "stock/StockRecalculator.h"
#include "stock/StockSql.h"
#include "stock/VoucherNumbers.h"
#include "store/Database.h"
#include "store/PreparedStatement.h"
#include "store/Sql.h"
#include "store/TransactionGuard.h"
#include "support/RationFixture.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cmath>
#include <cstdio>

namespace {

constexpr double VatPercent = 27;
constexpr int RecipeCount = 8;
const QStringList Meals {QStringLiteral("01"), QStringLiteral("02")};

// The recipes' codes: 9001 ...
QString recipeCode(int index)
{
    return QString::number(9001 + index);
}

QString registerNumber(int index)
{
    return QString::number(index + 1).rightJustified(4, QLatin1Char('0'));
}

} // namespace

QString StockHistory::Result::line() const
{
    return QStringLiteral("operations %1 done %2 refused %3 seconds %4")
        .arg(operations)
        .arg(done)
        .arg(refused)
        .arg(seconds, 0, 'f', 2);
}

StockHistory::StockHistory(QSqlDatabase warehouse, quint32 seed, bool kiadAr)
    : m_db(warehouse)
    , m_random(seed)
    , m_kiadAr(kiadAr)
{
}

bool StockHistory::createMaterials(QString *error)
{
    TransactionGuard guard(m_db);
    if (!guard.isActive()) {
        *error = m_db.lastError().text();
        return false;
    }
    QSqlQuery query(m_db);
    for (int i = 0; i < MaterialCount; ++i) {
        query.prepare(
            QStringLiteral("SELECT COUNT(*) FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" = ?"));
        query.addBindValue(ledgerAccount());
        query.addBindValue(registerNumber(i));
        if (!query.exec() || !query.next()) {
            *error = query.lastError().text();
            return false;
        }
        if (query.value(0).toInt() > 0)
            continue;
        query.prepare(QStringLiteral(
            "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", "
            "\"MenySzorzo\", \"AfaCsoport\", "
            "\"NyilvAr\", \"Kerekites\", \"KeszletMin\", \"KeszletMax\", \"KeszletMennyiseg\", \"KeszletErtek\") "
            "VALUES (?, ?, ?, '01', 'KG', 10, '01', 0, ?, 0, 0, 0, 0)"));
        query.addBindValue(ledgerAccount());
        query.addBindValue(registerNumber(i));
        query.addBindValue(QStringLiteral("Próbaanyag %1").arg(i + 1));
        query.addBindValue(i % 4);
        if (!query.exec()) {
            *error = query.lastError().text();
            return false;
        }
    }
    if (!createKitchen(error))
        return false;
    // The history's years: the two after the last closing.
    const QDate closed = MovementTable(m_db).closingDate();
    m_firstYear = closed.isValid() ? closed.year() + 1 : QDate::currentDate().year();
    if (!guard.commit()) {
        *error = m_db.lastError().text();
        return false;
    }
    return true;
}

// Lunch and supper, and recipes of four of the history's materials each (per 100 portions).
bool StockHistory::createKitchen(QString *error)
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM \"ReceptFej\" WHERE \"EtelKod\" = '9001'")) || !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    if (query.value(0).toInt() > 0)
        return true;
    RationFixture kitchen(m_db);
    bool ok = true;
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM \"Etkezesek\" WHERE \"EtkTip\" = '01'")) || !query.next())
        ok = false;
    else if (query.value(0).toInt() == 0)
        ok = kitchen.meal(Meals.at(0), QStringLiteral("Ebéd"), 400)
            && kitchen.meal(Meals.at(1), QStringLiteral("Vacsora"), 300);
    for (int r = 0; ok && r < RecipeCount; ++r) {
        QList<RationFixture::Ingredient> ingredients;
        for (int k = 0; k < 4; ++k)
            ingredients << RationFixture::Ingredient {
                ledgerAccount(), registerNumber((r * 5 + k * 7) % MaterialCount), double(5 + (r * 3 + k) % 20)};
        ok = kitchen.recipe(recipeCode(r), QStringLiteral("Próbaétel %1").arg(r + 1), ingredients);
    }
    // The buffet: one dish group, every recipe priced a la carte.
    if (ok && (!query.exec(QStringLiteral("SELECT COUNT(*) FROM \"CartCsop\" WHERE \"Csoport\" = '01'")) || !query.next()))
        ok = false;
    if (ok && query.value(0).toInt() == 0)
        ok = query.exec(QStringLiteral("INSERT INTO \"CartCsop\" (\"Csoport\", \"Megnev\") VALUES ('01', 'Büfé')"));
    for (int r = 0; ok && r < RecipeCount; ++r) {
        query.prepare(QStringLiteral("INSERT INTO \"CartBear\" (\"Fokszam\", \"Etelkod\", \"Haszonkulcs\", \"Fixar\", "
                                     "\"AfaCsoport\") VALUES ('1000', ?, 25, 600, '01')"));
        query.addBindValue(recipeCode(r));
        ok = query.exec();
    }
    if (!ok)
        *error = QStringLiteral("the history's kitchen could not be written");
    return ok;
}

// The menu and headcounts of a day, unless the day has them already: two recipes a meal.
bool StockHistory::planDay(const QDate &date, QString *error)
{
    TransactionGuard guard(m_db);
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM \"Letszam\" WHERE \"Datum\" = ?"));
    query.addBindValue(Sql::date(date));
    if (!guard.isActive() || !query.exec() || !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    if (query.value(0).toInt() > 0)
        return true;
    RationFixture kitchen(m_db);
    for (const QString &meal : Meals) {
        if (!kitchen.headcount(date, meal, int(m_random.bounded(5, 60)))) {
            *error = QStringLiteral("the day's headcount could not be written");
            return false;
        }
        for (int dish = 0; dish < 2; ++dish) {
            if (!kitchen.menu(date, meal, QStringLiteral("1000"), recipeCode(int(m_random.bounded(RecipeCount))), 1)) {
                *error = QStringLiteral("the day's menu could not be written");
                return false;
            }
        }
    }
    if (!guard.commit()) {
        *error = m_db.lastError().text();
        return false;
    }
    return true;
}

// A day of use on one of the first days of a month (so that days meet again): an issued day is
// deleted; otherwise the day gets its menu, receipts of its recipes' materials, and its ration
// sheet issued by menu.
bool StockHistory::dayOfUse(StockLedger &ledger, bool *refused, QString *error)
{
    const QDate date = QDate(m_firstYear, 1, 1).addMonths(int(m_random.bounded(24))).addDays(m_random.bounded(4));
    const StockOptions options {QStringLiteral("history"), m_kiadAr};
    const Checked<QList<RationMeal>> issued = RationDayDeletion::issuedMeals(m_db, date);
    if (!issued.ok()) {
        *error = issued.refusal.text;
        return false;
    }
    if (!issued.value.isEmpty()) {
        *refused = !RationDayDeletion::remove(m_db, date, options).ok();
        return true;
    }
    if (!planDay(date, error) || !receiveRecipes(ledger, QStringLiteral("Etlap"), date, error))
        return false;
    RationStockAtDate stock(m_db, date.year());
    const Checked<RationBuilder::Result> computed = RationBuilder::compute(m_db, date, Meals, stock);
    if (!computed.ok()) {
        *refused = true;
        return true;
    }
    RationSheet sheet = computed.value.sheet;
    sheet.buildTotals();
    RationIssue issue(m_db, options);
    const StockOutcome outcome
        = issue.issue(sheet, RationIssueHeader {issue.proposeNumber()}, QStringLiteral("history"), date);
    *refused = !outcome.ok();
    return true;
}

// Receipts of the materials of the recipes on a menu of the day.
bool StockHistory::receiveRecipes(StockLedger &ledger, const QString &menuTable, const QDate &date, QString *error)
{
    // The recipe code is EtelKod in Etlap, Etelkod in CartEtlap.
    const QString dish = menuTable == QLatin1String("Etlap") ? QStringLiteral("EtelKod") : QStringLiteral("Etelkod");
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT DISTINCT r.\"NyilvSzam\" FROM \"%1\" e JOIN \"Recept\" r "
                                 "ON r.\"EtelKod\" = e.\"%2\" WHERE e.\"Datum\" = ? ORDER BY r.\"NyilvSzam\"")
                      .arg(menuTable, dish));
    query.addBindValue(Sql::date(date));
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    QStringList used;
    while (query.next())
        used << query.value(0).toString();
    for (const QString &nyilvSzam : used) {
        const StockOutcome outcome
            = ledger.record(receiptOf(nyilvSzam, date, double(m_random.bounded(500, 3000)) / 100.0));
        if (outcome.failed) {
            *error = outcome.refusal.text;
            return false;
        }
    }
    return true;
}

// An a-la-carte day on one of the first days of a month: two buffet dishes added to its menu,
// receipts of their materials, and the open rows' sheet issued as one "08" voucher.
bool StockHistory::aLaCarteDay(StockLedger &ledger, bool *refused, QString *error)
{
    const QDate date = QDate(m_firstYear, 1, 1).addMonths(int(m_random.bounded(24))).addDays(m_random.bounded(4));
    for (int dish = 0; dish < 2; ++dish) {
        const CartMenuRow row {date, QStringLiteral("01"), QStringLiteral("1000"),
            recipeCode(int(m_random.bounded(RecipeCount))), 1, int(m_random.bounded(3, 40))};
        const auto added = CartMenuRows::add(m_db, row, QDate());
        if (!added.ok()) {
            *refused = true;
            return true;
        }
    }
    if (!receiveRecipes(ledger, QStringLiteral("CartEtlap"), date, error))
        return false;
    RationStockAtDate stock(m_db, date.year());
    auto computed = CartSheetBuilder::compute(m_db, date, {QStringLiteral("01")}, stock);
    if (!computed.ok()) {
        *refused = true;
        return true;
    }
    computed.value.sheet.buildTotals();
    const StockOptions options {QStringLiteral("history"), m_kiadAr};
    const StockOutcome outcome = CartIssue(m_db, options)
                                     .issue(computed.value.sheet, computed.value.covered,
                                         RationIssueHeader {RationIssue(m_db, options).proposeNumber()},
                                         QStringLiteral("history"), date);
    if (outcome.failed) {
        *error = outcome.refusal.text;
        return false;
    }
    *refused = !outcome.ok();
    return true;
}

QDate StockHistory::randomDate()
{
    const QDate first(m_firstYear, 1, 1);
    return first.addDays(m_random.bounded(first.daysTo(QDate(m_firstYear + 1, 12, 31)) + 1));
}

QString StockHistory::material()
{
    return registerNumber(int(m_random.bounded(MaterialCount)));
}

QString StockHistory::voucherNumber(bool *proposed)
{
    // Mostly a new voucher; now and then a typed number that joins a recent one.
    const QString next = VoucherNumbers(m_db).propose();
    *proposed = m_random.bounded(5) != 0;
    if (*proposed)
        return next;
    const qint64 number = qMax<qint64>(1, next.toLongLong() - 1 - m_random.bounded(3));
    return QString::number(number).rightJustified(8, QLatin1Char('0'));
}

StockItem StockHistory::receipt()
{
    StockItem item = receiptOf(material(), randomDate(), double(m_random.bounded(1, 5000)) / 100.0);
    if (m_random.bounded(10) == 0)
        item.mozgnem = QStringLiteral("02");
    if (m_random.bounded(20) == 0)
        item.quantity = -item.quantity / 4; // a negative receipt
    if (m_random.bounded(25) == 0) {
        // An opening row on the first day of the second year.
        item.mozgnem = QStringLiteral("00");
        item.datum = QDate(m_firstYear + 1, 1, 1);
    }
    return priced(item);
}

StockItem StockHistory::receiptOf(const QString &nyilvSzam, const QDate &date, double quantity)
{
    StockItem item;
    item.mozgnem = QStringLiteral("01");
    item.bizSzam = voucherNumber(&item.numberProposed);
    item.datum = date;
    item.fokSzla = ledgerAccount();
    item.nyilvSzam = nyilvSzam;
    item.partAzon = QStringLiteral("00000");
    item.afaKod = QStringLiteral("01");
    item.quantity = quantity;
    return priced(item);
}

// A random net unit price and the totals the receipt screen computes from it.
StockItem StockHistory::priced(StockItem item)
{
    ItemPrices typed;
    typed.netUnit = Money::fromUnits(qint64(m_random.bounded(1000, 500000)) * 100);
    const ItemPrices prices = ItemPrices::compute(ItemPrices::Typed::NetUnit, typed, item.quantity, VatPercent);
    item.netUnit = prices.netUnit;
    item.netTotal = prices.netTotal;
    item.vatTotal = prices.vatTotal;
    item.grossTotal = prices.grossTotal;
    item.lejarat = item.datum.addDays(60);
    return item;
}

StockItem StockHistory::issue()
{
    StockItem item;
    item.mozgnem = m_random.bounded(8) == 0 ? QStringLiteral("06") : QStringLiteral("03");
    item.bizSzam = voucherNumber(&item.numberProposed);
    item.datum = randomDate();
    item.fokSzla = ledgerAccount();
    item.nyilvSzam = material();
    item.partAzon = QStringLiteral("00001");
    item.afaKod = QStringLiteral("01");
    QSqlQuery query(m_db);
    query.prepare(
        QStringLiteral("SELECT \"KeszletMennyiseg\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" = ?"));
    query.addBindValue(item.fokSzla);
    query.addBindValue(item.nyilvSzam);
    const double stock = query.exec() && query.next() ? query.value(0).toDouble() : 0;
    // Up to 120 % of today's stock: some issues must be refused.
    item.quantity = std::floor(qMax(stock, 1.0) * double(m_random.bounded(1, 121))) / 100.0;
    item.netTotal = Money::fromUnits(qint64(item.quantity * double(m_random.bounded(1000, 300000))) * 100);
    return item;
}

qint64 StockHistory::randomRow()
{
    // By rank among the manual rows, not by an id below the greatest: the server's ids have gaps
    // where refused items rolled back, so only the rank picks the same row on both engines.
    static const QString where = QStringLiteral(" FROM \"Raktar\" WHERE \"Stat\" = ? AND \"FokSzla\" = ?");
    const QVariantList values {Sql::flag(false), ledgerAccount()};
    PreparedStatement &count = StockSql::run(m_db, QStringLiteral("SELECT COUNT(*)") + where, values);
    const qint64 rows = count.next() ? count.integer(0) : 0;
    count.finish();
    if (rows == 0)
        return 0;
    PreparedStatement &pick = StockSql::run(m_db,
        QStringLiteral("SELECT \"RaktAzon\"") + where + QStringLiteral(" ORDER BY \"RaktAzon\" LIMIT 1 OFFSET ?"),
        QVariantList(values) << qint64(m_random.bounded(quint64(rows))));
    const qint64 id = pick.next() ? pick.integer(0) : 0;
    pick.finish();
    return id;
}

bool StockHistory::change(StockLedger &ledger, bool *refused)
{
    const qint64 id = randomRow();
    const std::optional<MovementRow> row = id ? MovementTable(m_db).row(id) : std::nullopt;
    if (!row) {
        *refused = true;
        return true;
    }
    StockItem item;
    item.mozgnem = row->mozgnem;
    item.bizSzam = row->bizSzam;
    item.datum = row->datum;
    item.fokSzla = row->fokSzla;
    item.nyilvSzam = row->nyilvSzam;
    item.partAzon = row->partAzon;
    item.afaKod = row->afaKod;
    item.quantity = row->tetelMenny;
    item.netTotal = row->tetelErtek;
    item.lejarat = row->lejarat;
    switch (m_random.bounded(4)) {
    case 0:
        item.quantity = std::round(row->tetelMenny * double(m_random.bounded(50, 151))) / 100.0;
        break;
    case 1:
        item.netTotal = row->tetelErtek.multiplied(double(m_random.bounded(50, 151)) / 100.0);
        break;
    case 2:
        item.nyilvSzam = material();
        break;
    default:
        if (item.mozgnem != QLatin1String("00"))
            item.datum = randomDate();
        break;
    }
    if (row->isReceipt()) {
        ItemPrices typed;
        typed.netTotal = item.netTotal;
        const ItemPrices prices = ItemPrices::compute(ItemPrices::Typed::NetTotal, typed, item.quantity, VatPercent);
        item.netUnit = prices.netUnit;
        item.vatTotal = prices.vatTotal;
        item.grossTotal = prices.grossTotal;
    }
    const StockOutcome outcome = ledger.change(id, item);
    *refused = !outcome.ok();
    return !outcome.failed;
}

bool StockHistory::removeItem(StockLedger &ledger, bool *refused)
{
    const qint64 id = randomRow();
    if (!id) {
        *refused = true;
        return true;
    }
    const StockOutcome outcome = ledger.remove(id);
    *refused = !outcome.ok();
    return !outcome.failed;
}

bool StockHistory::removeLatest(StockLedger &ledger, bool *refused)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT \"RaktAzon\", \"Stat\" FROM \"Raktar\" WHERE \"FokSzla\" = ? AND "
                                 "\"NyilvSzam\" = ? ORDER BY ")
        + StockRecalculator::orderBy(true) + QStringLiteral(" LIMIT 1"));
    query.addBindValue(ledgerAccount());
    query.addBindValue(material());
    if (!query.exec())
        throw StockSql::Failure {query.lastError().text()};
    // A ration-sheet row is taken back only with its day.
    if (!query.next() || Sql::toFlag(query.value(1))) {
        *refused = true;
        return true;
    }
    const qint64 id = query.value(0).toLongLong();
    query.finish();
    const std::optional<MovementRow> row = MovementTable(m_db).row(id);
    if (!row || m_random.bounded(3) != 0) {
        const StockOutcome outcome = ledger.remove(id);
        *refused = !outcome.ok();
        return !outcome.failed;
    }
    StockItem item;
    item.mozgnem = row->mozgnem;
    item.bizSzam = row->bizSzam;
    item.datum = row->datum;
    item.fokSzla = row->fokSzla;
    item.nyilvSzam = material();
    item.partAzon = row->partAzon;
    item.afaKod = row->afaKod;
    item.quantity = row->tetelMenny;
    item.netUnit = row->beAr;
    item.netTotal = row->tetelErtek;
    item.vatTotal = row->afaErtek;
    item.grossTotal = row->brutto;
    item.lejarat = row->lejarat;
    const StockOutcome outcome = ledger.change(id, item);
    *refused = !outcome.ok();
    return !outcome.failed;
}

bool StockHistory::removeVoucher(StockLedger &ledger, bool *refused)
{
    const qint64 id = randomRow();
    const std::optional<MovementRow> row = id ? MovementTable(m_db).row(id) : std::nullopt;
    if (!row || row->isReceipt()) {
        *refused = true;
        return true;
    }
    const StockOutcome outcome = ledger.removeIssueVoucher(row->datum, row->bizSzam);
    *refused = !outcome.ok();
    return !outcome.failed;
}

StockHistory::Result StockHistory::run(int operations)
{
    Result result;
    QElapsedTimer timer;
    timer.start();
    if (!createMaterials(&result.error)) {
        result.failed = true;
        return result;
    }
    StockLedger ledger(m_db, StockOptions {QStringLiteral("history"), m_kiadAr});
    for (int i = 0; i < operations && !result.failed; ++i) {
        bool refused = false;
        bool ok = true;
        try {
            const quint32 kind = m_random.bounded(100);
            if (kind >= 97) {
                ok = aLaCarteDay(ledger, &refused, &result.error);
            } else if (kind >= 94) {
                ok = dayOfUse(ledger, &refused, &result.error);
            } else if (kind < 32) {
                const StockOutcome outcome = ledger.record(receipt());
                refused = !outcome.ok();
                ok = !outcome.failed;
                if (outcome.failed)
                    result.error = outcome.refusal.text;
            } else if (kind < 63) {
                const StockOutcome outcome = ledger.record(issue());
                refused = !outcome.ok();
                ok = !outcome.failed;
                if (outcome.failed)
                    result.error = outcome.refusal.text;
            } else if (kind < 77) {
                ok = change(ledger, &refused);
            } else if (kind < 85) {
                ok = removeItem(ledger, &refused);
            } else if (kind < 90) {
                ok = removeLatest(ledger, &refused);
            } else {
                ok = removeVoucher(ledger, &refused);
            }
        } catch (const StockSql::Failure &failure) {
            ok = false;
            result.error = failure.detail;
        }
        ++result.operations;
        if (!ok)
            result.failed = true;
        else if (refused)
            ++result.refused;
        else
            ++result.done;
    }
    result.seconds = double(timer.elapsed()) / 1000.0;
    return result;
}

int StockHistory::main(const QStringList &arguments)
{
    QTextStream err(stderr);
    const bool kiadAr = arguments.contains(QStringLiteral("--kiadar"));
    QStringList plain = arguments;
    plain.removeAll(QStringLiteral("--kiadar"));
    if (plain.size() != 4) {
        err << "usage: stock_history DBDIR WAREHOUSE OPERATIONS SEED [--kiadar]\n";
        return 2;
    }
    QSqlDatabase db = Database::warehouse(plain.at(0), plain.at(1).toInt());
    if (!db.isOpen()) {
        err << "cannot open the warehouse: " << db.lastError().text() << "\n";
        return 1;
    }
    StockHistory history(db, plain.at(3).toUInt(), kiadAr);
    const Result result = history.run(plain.at(2).toInt());
    std::printf("%s\n", qPrintable(result.line()));
    std::fflush(stdout);
    if (result.failed) {
        err << "engine failure: " << result.error << "\n";
        return 1;
    }
    return 0;
}
