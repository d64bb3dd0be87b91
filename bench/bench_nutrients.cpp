// Nutrient and menu list figures over five years of issued ration sheets:
//   nutrients grouped-year S floor F
//   nutrients detailed-year S
//   menulist year S
//   nutrients meal-choice S
//     grouped-year:  the grouped calculation of the last year, every meal, with its divisor and norms;
//     floor:         the same grouped sums as one bare SQL statement;
//     detailed-year: the detailed calculation of the same year;
//     menulist year: the menu list's dish rows of the last year, every meal, sorted and grouped by day;
//     meal-choice:   the average headcount and day count found again after a change of the chosen meals.
// The warehouse holds 1000 materials, 500 recipes, a menu of 6 meals with 8 dishes a day and
// 1,000,000 Kiszabat lines over five years (bench_nutrients LINES takes another number, for a
// quick try).
#include "reports/MenuDishRows.h"
#include "reports/MenuListDays.h"
#include "reports/NutrientCalculation.h"
#include "reports/NutrientNorm.h"
#include "reports/NutrientSource.h"
#include "store/Database.h"
#include "BenchLocation.h"
#include "store/Sql.h"
#include "store/TransactionGuard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

namespace {

const QDate Today(2025, 12, 31);
const QDate First(2021, 1, 1);
constexpr int Materials = 1000;
constexpr int Recipes = 500;
constexpr int RecipeLines = 15;
constexpr int Meals = 6;
constexpr int Dishes = 8;
int Lines = 1000000;

QString code(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

bool fail(const QString &what)
{
    std::fprintf(stderr, "%s\n", qPrintable(what));
    return false;
}

bool run(QSqlQuery &query, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    return query.exec() || fail(query.lastError().text());
}

bool buildMaterials(QSqlDatabase db)
{
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", "
        "\"MenySzorzo\", \"Energia\", \"Feherje\", \"AllatiFeh\", \"Zsir\", \"ZsirTe\", \"Szenhidrat\", \"Cukor\", "
        "\"So\", \"Koleszterin\", \"Hso\", \"Hcukor\") VALUES (?, ?, ?, ?, 'kg', 10, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int m = 1; m <= Materials; ++m) {
        if (!run(insert, {QStringLiteral("011"), code(m, 4), QStringLiteral("Anyag %1").arg(m), code(m % 12 + 1, 2),
                1000.0 + m, 10.0 + m % 7, 5.0, 3.0, 1.0, 20.0, 2.0, 0.1, 0.01, Sql::flag(m % 3 == 0),
                Sql::flag(m % 5 == 0)}))
            return false;
    }
    QSqlQuery recipe(db);
    recipe.prepare(QStringLiteral("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"ValtAzon\", \"Energia\", "
                                  "\"Feherje\", \"Zsir\", \"Cukor\", \"So\") VALUES (?, ?, ?, 180000, 1500, 900, 300, 80)"));
    QSqlQuery line(db);
    line.prepare(QStringLiteral(
        "INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") VALUES (?, '011', ?, 2)"));
    for (int r = 1; r <= Recipes; ++r) {
        if (!run(recipe, {code(r, 4), QStringLiteral("Étel %1").arg(r), QString::number(r % 4 + 1) + code(r, 3)}))
            return false;
        for (int l = 0; l < RecipeLines; ++l)
            if (!run(line, {code(r, 4), code((r * 7 + l * 13) % Materials + 1, 4)}))
                return false;
    }
    QSqlQuery allergen(db);
    allergen.prepare(QStringLiteral(
        "INSERT INTO \"AllergenAny\" (\"AzonAl\", \"Fokszam\", \"NyilvSzam\") VALUES (?, '011', ?)"));
    for (int m = 1; m <= Materials; m += 3)
        if (!run(allergen, {code(m % 14 + 1, 2), code(m, 4)}))
            return false;
    return true;
}

bool buildDays(QSqlDatabase db)
{
    const int days = int(First.daysTo(Today)) + 1;
    const int linesPerMeal = qMax(1, Lines / (days * Meals));
    QSqlQuery meal(db);
    meal.prepare(QStringLiteral(
        "INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Tip\", \"Enorma\") VALUES (?, ?, ?, '01')"));
    QSqlQuery(db).exec(QStringLiteral("DELETE FROM \"Etkezesek\""));
    for (int e = 1; e <= Meals; ++e)
        if (!run(meal, {code(e, 2), QStringLiteral("Étkezés %1").arg(e), QString::number(e)}))
            return false;
    QSqlQuery headcount(db);
    headcount.prepare(QStringLiteral("INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\", "
                                     "\"Mozgnem\") VALUES (?, ?, ?, ?, '07')"));
    QSqlQuery line(db);
    line.prepare(QStringLiteral("INSERT INTO \"Kiszabat\" (\"FokSzam\", \"NyilvSzam\", \"Mennyiseg\", \"Datum\", "
                                "\"EtkKod\", \"Anyagar\") VALUES ('011', ?, ?, ?, ?, ?)"));
    QSqlQuery menu(db);
    menu.prepare(QStringLiteral("INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") "
                                "VALUES (?, ?, '1000', ?, 1)"));
    int n = 0;
    for (QDate day = First; day <= Today; day = day.addDays(1)) {
        const QVariant date = Sql::date(day);
        for (int e = 1; e <= Meals; ++e) {
            if (!run(headcount, {date, code(e, 2), 100 + (n % 50), Sql::flag(true)}))
                return false;
            for (int l = 0; l < linesPerMeal; ++l, ++n)
                if (!run(line, {code(n % Materials + 1, 4), 1.5 + n % 10, date, code(e, 2),
                        Sql::money(Money::fromUnits(1234567 + n % 1000))}))
                    return false;
            if (day.year() == Today.year())
                for (int d = 0; d < Dishes; ++d)
                    if (!run(menu, {date, code(e, 2), code((n + d * 37) % Recipes + 1, 4)}))
                        return false;
        }
    }
    return true;
}

bool build(const QString &dir)
{
    QSqlDatabase db = Database::warehouse(dir, 1);
    TransactionGuard guard(db);
    return buildMaterials(db) && buildDays(db) && (guard.commit() || fail(db.lastError().text()));
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// The grouped sums as one bare statement: grams and every nutrient per food group.
double floorSeconds(QSqlDatabase db, const NutrientPeriod &period)
{
    QElapsedTimer timer;
    timer.start();
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT a.\"Csoport\", SUM(k.\"Mennyiseg\" * a.\"MenySzorzo\" * 100), SUM(k.\"Mennyiseg\" * a.\"Energia\"), "
        "SUM(k.\"Mennyiseg\" * a.\"Feherje\"), SUM(k.\"Mennyiseg\" * a.\"AllatiFeh\"), SUM(k.\"Mennyiseg\" * a.\"Zsir\"), "
        "SUM(k.\"Mennyiseg\" * a.\"ZsirTe\"), SUM(k.\"Mennyiseg\" * a.\"Szenhidrat\"), SUM(k.\"Mennyiseg\" * a.\"Cukor\"), "
        "SUM(k.\"Mennyiseg\" * a.\"So\"), SUM(k.\"Mennyiseg\" * a.\"Hamu\"), SUM(k.\"Mennyiseg\" * a.\"Rost\"), "
        "SUM(k.\"Mennyiseg\" * a.\"Transz\"), SUM(k.\"Mennyiseg\" * a.\"Koleszterin\"), "
        "SUM(k.\"Mennyiseg\" * a.\"Kalcium\") FROM \"Kiszabat\" k "
        "JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = k.\"FokSzam\" AND a.\"NyilvSzam\" = k.\"NyilvSzam\" "
        "JOIN \"Letszam\" l ON l.\"Datum\" = k.\"Datum\" AND l.\"Etkezesek\" = k.\"EtkKod\" "
        "WHERE l.\"Mozgnem\" BETWEEN ? AND ? AND k.\"Datum\" BETWEEN ? AND ? AND ")
        + NutrientSource::mealCondition(QStringLiteral("k.\"EtkKod\""), period.meals)
        + QStringLiteral(" GROUP BY a.\"Csoport\""));
    QVariantList values {period.movementFrom, period.movementTo, Sql::date(period.from), Sql::date(period.to)};
    for (const QString &meal : period.meals)
        values << meal;
    if (!run(query, values))
        return -1;
    int groups = 0;
    while (query.next())
        ++groups;
    return groups > 0 ? seconds(timer) : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    BenchLocation location(BenchLocation::take(arguments));
    bool ok = true;
    if (arguments.size() > 1)
        Lines = arguments.at(1).toInt(&ok);
    if (!ok || Lines < 10000 || arguments.size() > 2 || !location.errorText().isEmpty()) {
        std::fprintf(stderr, "usage: bench_nutrients %s [LINES] (at least 10000) %s\n",
            qPrintable(BenchLocation::usage()), qPrintable(location.errorText()));
        return 2;
    }
    const QString path = location.create(Today);
    if (path.isEmpty())
        return fail(location.errorText()) ? 0 : 1;
    if (!build(path))
        return 1;
    QSqlDatabase db = Database::warehouse(path, 1);
    NutrientPeriod period {QDate(Today.year(), 1, 1), Today, QStringLiteral("00"), QStringLiteral("99"), {}};
    for (int e = 1; e <= Meals; ++e)
        period.meals << code(e, 2);

    QElapsedTimer timer;
    timer.start();
    const auto divisor = NutrientSource::periodDivisor(db, period);
    const auto groups = NutrientSource::foodGroups(db);
    const auto norm = NutrientNorms::load(db, QStringLiteral("7-10 éves"));
    const auto uses = NutrientSource::period(db, period);
    if (!divisor.ok() || !groups.ok() || !norm.ok() || !uses.ok() || uses.value.isEmpty())
        return fail(QStringLiteral("the grouped calculation read nothing")) ? 0 : 1;
    const GroupedNutrients grouped = NutrientCalculation::grouped(uses.value, groups.value, norm.value, divisor.value);
    const double groupedSeconds = seconds(timer);
    const double floor = floorSeconds(db, period);
    if (floor < 0 || grouped.groups.isEmpty())
        return 1;
    std::printf("nutrients grouped-year %.3f floor %.3f\n", groupedSeconds, floor);

    timer.restart();
    const auto detailUses = NutrientSource::period(db, period);
    const auto detailDivisor = NutrientSource::periodDivisor(db, period);
    const QList<NutrientDetailRow> rows = NutrientCalculation::detailed(detailUses.value, detailDivisor.value);
    std::printf("nutrients detailed-year %.3f\n", seconds(timer));
    if (rows.size() < 4)
        return 1;

    timer.restart();
    DailyMenuSource source;
    auto dishes = MenuDishRows::build(db, source, period.from, period.to, period.meals);
    if (!dishes.ok() || dishes.value.isEmpty())
        return fail(dishes.refusal.text.isEmpty() ? QStringLiteral("no menu") : dishes.refusal.text) ? 0 : 1;
    MenuDishRows::sortByDate(dishes.value);
    const QList<MenuListDay> days = MenuListDays::group(dishes.value);
    std::printf("menulist year %.3f\n", seconds(timer));

    NutrientPeriod fewer = period;
    fewer.meals.removeLast();
    timer.restart();
    const auto again = NutrientSource::periodDivisor(db, fewer);
    std::printf("nutrients meal-choice %.3f\n", seconds(timer));
    return days.isEmpty() || !again.ok() ? 1 : 0;
}
