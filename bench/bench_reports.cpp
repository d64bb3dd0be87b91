// Movement and norm report figures, each beside its floor measured in the same run:
//   report NAME S floor F
//     on a warehouse of 1000 materials and 1,000,000 movement rows over five years (2021-2025;
//     bench_reports ROWS takes another number, for a quick try), vouchers of ten items, every
//     other voucher a ration-sheet issue, and five years of headcounts and ration-sheet lines of
//     six meals (ten lines a meal a day);
//     the report: the report query as its screen runs it, rows and totals included;
//     the floor: the same aggregate as one bare SQL statement on the same data, its rows read.
//   issuelist-year        the issue voucher list of 2025
//   movement-year         the movement summary of 2025
//   usage-month           the monthly usage of December 2025
//   usage-detail-year     the detailed usage of 2025
//   meals-materials-year  the materials per meal (detailed) of 2025, all six meals
#include "reports/MealMaterialsReport.h"
#include "reports/MonthlyUsageReport.h"
#include "reports/MovementSummaryReport.h"
#include "reports/UsageDetailReport.h"
#include "reports/VoucherListReport.h"
#include "store/Database.h"
#include "store/Sql.h"
#include "store/TransactionGuard.h"

#include "BenchLocation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>
#include <functional>

namespace {

const QDate First(2021, 1, 4);
const QDate Last(2025, 12, 31);
const QDate YearStart(2025, 1, 1);
constexpr int Materials = 1000;
constexpr int Meals = 6;
constexpr int LinesPerMeal = 10;
int Rows = 1'000'000;

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

bool buildMaterials(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", "
        "\"MenySzorzo\", \"AfaCsoport\", \"NyilvAr\", \"Kerekites\", \"KeszletMin\", \"KeszletMax\", "
        "\"KeszletMennyiseg\", \"KeszletErtek\") VALUES ('100', ?, ?, '01', 'KG', 10, '01', 100, 2, 0, 0, 0, 0)"));
    for (int m = 1; m <= Materials; ++m) {
        query.bindValue(0, code(m, 4));
        query.bindValue(1, QStringLiteral("Anyag %1").arg(m, 4, 10, QLatin1Char('0')));
        if (!exec(query))
            return false;
    }
    return true;
}

// Rows in date order, ten items a voucher; odd vouchers are ration-sheet issues ("07", Stat).
bool buildRows(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO \"Raktar\" (\"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", \"FokSzla\", \"NyilvSzam\", "
        "\"PartAzon\", \"User\", \"AfaKod\", \"TetelMenny\", \"BeAr\", \"KiAr\", \"TetelErtek\", \"AfaErtek\", "
        "\"Brutto\", \"KeszletMenny\", \"KeszletErtek\", \"Stat\") "
        "VALUES (?, ?, ?, ?, '2025/00001', '100', ?, '00000', 'bench', '01', ?, 100, 100, ?, ?, ?, 0, 0, ?)"));
    const qint64 days = First.daysTo(Last) + 1;
    for (int i = 0; i < Rows; ++i) {
        const int voucher = i / 10;
        const bool receipt = voucher % 2 == 0;
        const double value = 100.1234 * (1 + i % 7);
        query.bindValue(0, receipt ? QStringLiteral("BE") : QStringLiteral("KI"));
        query.bindValue(1, receipt ? QStringLiteral("01") : QStringLiteral("07"));
        query.bindValue(2, code(voucher % 100'000'000, 8));
        query.bindValue(3, First.addDays(qint64(i) * days / Rows));
        query.bindValue(4, code(i % Materials + 1, 4));
        query.bindValue(5, 1.5 + i % 3);
        query.bindValue(6, value);
        query.bindValue(7, value * 0.27);
        query.bindValue(8, value * 1.27);
        query.bindValue(9, Sql::flag(!receipt));
        if (!exec(query))
            return false;
    }
    return true;
}

bool buildMeals(QSqlDatabase db)
{
    QSqlQuery meal(db);
    meal.prepare(QStringLiteral("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Norma\") VALUES (?, ?, 500)"));
    for (int m = 1; m <= Meals; ++m) {
        meal.bindValue(0, code(m, 2));
        meal.bindValue(1, QStringLiteral("Étkezés %1").arg(m));
        if (!exec(meal))
            return false;
    }
    QSqlQuery headcount(db);
    headcount.prepare(QStringLiteral("INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\", "
                                     "\"Mozgnem\") VALUES (?, ?, 100, ?, '07')"));
    QSqlQuery line(db);
    line.prepare(QStringLiteral("INSERT INTO \"Kiszabat\" (\"FokSzam\", \"NyilvSzam\", \"Mennyiseg\", \"Datum\", "
                                "\"EtkKod\", \"EtkTip\", \"Norma_etk\", \"Anyagar\") VALUES ('100', ?, 1.5, ?, ?, ?, "
                                "50000, 150.25)"));
    for (QDate day = First; day <= Last; day = day.addDays(1)) {
        for (int m = 1; m <= Meals; ++m) {
            headcount.bindValue(0, day);
            headcount.bindValue(1, code(m, 2));
            headcount.bindValue(2, Sql::flag(true));
            if (!exec(headcount))
                return false;
            for (int l = 0; l < LinesPerMeal; ++l) {
                line.bindValue(0, code(int((First.daysTo(day) * 7 + m * 10 + l) % Materials) + 1, 4));
                line.bindValue(1, day);
                line.bindValue(2, code(m, 2));
                line.bindValue(3, QStringLiteral("Étkezés %1").arg(m));
                if (!exec(line))
                    return false;
            }
        }
    }
    return true;
}

bool build(const QString &dir)
{
    QSqlDatabase db = Database::warehouse(dir, 1);
    TransactionGuard guard(db);
    if (!(buildMaterials(db) && buildRows(db) && buildMeals(db) && (guard.commit() || fail(db.lastError().text()))))
        return false;
    QSqlQuery analyze(db);
    analyze.exec(QStringLiteral("ANALYZE"));
    return true;
}

double seconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

// Runs a bare statement and reads every value of every row.
void bare(QSqlDatabase db, const QString &sql)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        fail(query.lastError().text());
        return;
    }
    const int columns = query.record().count();
    while (query.next()) {
        for (int c = 0; c < columns; ++c)
            query.value(c);
    }
}

void measure(const char *name, ReportQuery &report, const ReportParameters &parameters, QSqlDatabase db,
    const QString &floorSql)
{
    bare(db, floorSql); // the same pages in the cache for both
    Refusal refused;
    const double reportSeconds = seconds([&] { refused = report.run(parameters); });
    if (refused)
        fail(refused.text);
    const double floorSeconds = seconds([&] { bare(db, floorSql); });
    std::printf("report %s %.3f floor %.3f\n", name, reportSeconds, floorSeconds);
    std::fflush(stdout);
}

ReportParameters yearParameters(QVariantMap filters = {})
{
    ReportParameters parameters;
    parameters.year = 2025;
    parameters.from = YearStart;
    parameters.to = Last;
    parameters.filters = std::move(filters);
    return parameters;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    BenchLocation location(BenchLocation::take(arguments));
    bool ok = true;
    if (arguments.size() > 1)
        Rows = arguments.at(1).toInt(&ok);
    if (!ok || Rows < 1000 || arguments.size() > 2 || !location.errorText().isEmpty()) {
        std::fprintf(stderr, "usage: bench_reports %s [ROWS] (at least 1000) %s\n", qPrintable(BenchLocation::usage()),
            qPrintable(location.errorText()));
        return 2;
    }
    const QString path = location.create(Last);
    if (path.isEmpty())
        return fail(location.errorText()) ? 0 : 1;
    if (!build(path))
        return 1;
    {
        QSqlDatabase db = Database::warehouse(path, 1);
        // The year's condition on the rows of a table alias.
        auto inYear = [](const QString &alias) {
            return QStringLiteral("%1\"Datum\" >= '2025-01-01' AND %1\"Datum\" <= '2025-12-31'").arg(alias);
        };
        const QString year = inYear(QString());

        VoucherListReport issues(db, QStringLiteral("KI"));
        measure("issuelist-year", issues, yearParameters(), db,
            QStringLiteral("SELECT r.\"BizSzam\", r.\"Datum\", r.\"Mozgnem\", m.\"Megnevezes\", r.\"FokSzla\", "
                           "r.\"NyilvSzam\", a.\"Megnevezes\", a.\"Mertekegyseg\", r.\"PartAzon\", p.\"Nev\", "
                           "r.\"KiAr\", r.\"TetelErtek\", r.\"AfaErtek\", r.\"Brutto\", v.\"AfaErtek\", "
                           "r.\"TetelMenny\", r.\"KeszletMenny\" FROM \"Raktar\" r "
                           "LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" AND a.\"NyilvSzam\" = "
                           "r.\"NyilvSzam\" LEFT JOIN \"Mozgnem\" m ON m.\"MozgnemKod\" = r.\"Mozgnem\" "
                           "LEFT JOIN \"Partner\" p ON p.\"PartAzon\" = r.\"PartAzon\" "
                           "LEFT JOIN \"Afa\" v ON v.\"Afakod\" = r.\"AfaKod\" WHERE r.\"BK\" = 'KI' AND ")
                + inYear(QStringLiteral("r.")) + QStringLiteral(" ORDER BY r.\"Datum\", r.\"BizSzam\", r.\"FokSzla\", r.\"NyilvSzam\""));

        MovementSummaryReport movement(db);
        measure("movement-year", movement, yearParameters(), db,
            QStringLiteral("SELECT \"Datum\", \"BizSzam\", \"Mozgnem\", \"PartAzon\", \"BK\", SUM(\"TetelErtek\"), "
                           "SUM(\"AfaErtek\"), SUM(\"Brutto\") FROM \"Raktar\" WHERE ")
                + year
                + QStringLiteral(" AND \"BizSzam\" <> '00000000' GROUP BY \"BizSzam\", \"Datum\", \"Mozgnem\", "
                                 "\"PartAzon\", \"BK\" ORDER BY \"Datum\", \"BizSzam\""));

        MonthlyUsageReport monthly(db);
        ReportParameters december;
        december.year = 2025;
        december.filters = {{MonthlyUsageReport::Month, 12}, {MonthlyUsageReport::MovementFrom, QStringLiteral("00")},
            {MonthlyUsageReport::MovementTo, QStringLiteral("08")}};
        auto inMonth = [](const QString &alias) {
            return QStringLiteral("%1\"Datum\" >= '2025-12-01' AND %1\"Datum\" <= '2025-12-31'").arg(alias);
        };
        measure("usage-month", monthly, december, db,
            QStringLiteral("SELECT d, SUM(n), SUM(u) FROM (SELECT l.\"Datum\" AS d, l.\"Letszam\" * e.\"Norma\" AS n, "
                           "0 AS u FROM \"Letszam\" l JOIN \"Etkezesek\" e ON e.\"EtkTip\" = l.\"Etkezesek\" WHERE "
                           "l.\"Kiadva\" = TRUE AND ")
                + inMonth(QStringLiteral("l."))
                + QStringLiteral(" UNION ALL SELECT \"Datum\", 0, \"TetelErtek\" FROM \"Raktar\" WHERE \"Stat\" = TRUE AND ")
                + inMonth(QString()) + QStringLiteral(") x GROUP BY d"));

        UsageDetailReport detail(db);
        measure("usage-detail-year", detail, yearParameters(), db,
            QStringLiteral("SELECT r.\"FokSzla\", r.\"NyilvSzam\", a.\"Megnevezes\", r.\"BK\", SUM(r.\"TetelMenny\"), "
                           "SUM(r.\"TetelErtek\") FROM \"Raktar\" r LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = "
                           "r.\"FokSzla\" AND a.\"NyilvSzam\" = r.\"NyilvSzam\" WHERE ")
                + inYear(QStringLiteral("r.")) + QStringLiteral(" GROUP BY r.\"FokSzla\", r.\"NyilvSzam\", a.\"Megnevezes\", r.\"BK\""));

        QStringList meals;
        for (int m = 1; m <= Meals; ++m)
            meals << code(m, 2);
        MealMaterialsReport materials(db, true);
        measure("meals-materials-year", materials, yearParameters({{MealMaterialsReport::Meals, meals}}), db,
            QStringLiteral("SELECT k.\"EtkKod\", k.\"EtkTip\", k.\"FokSzam\", k.\"NyilvSzam\", a.\"Megnevezes\", "
                           "SUM(k.\"Mennyiseg\"), SUM(k.\"Anyagar\") FROM \"Kiszabat\" k LEFT JOIN \"Anyag\" a ON "
                           "a.\"FokonyviSzam\" = k.\"FokSzam\" AND a.\"NyilvSzam\" = k.\"NyilvSzam\" WHERE ")
                + inYear(QStringLiteral("k."))
                + QStringLiteral(" AND k.\"EtkKod\" IN ('01', '02', '03', '04', '05', '06') GROUP BY k.\"EtkKod\", "
                                 "k.\"EtkTip\", k.\"FokSzam\", k.\"NyilvSzam\", a.\"Megnevezes\""));
    }
    return 0;
}
