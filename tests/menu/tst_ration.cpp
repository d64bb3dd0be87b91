#include "menu/RationBuilder.h"
#include "menu/RationInput.h"
#include "menu/RationRounding.h"
#include "menu/RationViews.h"
#include "support/RationFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

using Quantities = QList<double>;

// The ration sheet computed from a real warehouse: detail lines, per-material rounding, the
// reconciliation of corrected totals, the norm line, the shortage and added materials.
class TestMenuRation : public QObject
{
    Q_OBJECT
private:
    const QDate m_date {2026, 3, 10};
    EngineDatabases m_databases {QDate(2026, 1, 5)};
    TempDatabase *m_db = nullptr;
    std::unique_ptr<RationFixture> m_kitchen;
    FixedStock m_stock;

    QSqlDatabase db() const { return m_db->warehouse(1); }

    RationBuilder::Result compute(const QStringList &meals)
    {
        const auto result = RationBuilder::compute(db(), m_date, meals, m_stock);
        if (!result.ok())
            qWarning("%s", qPrintable(result.refusal.text));
        return result.value;
    }

    static Quantities quantitiesOf(const QList<RationLine> &lines)
    {
        Quantities quantities;
        for (const RationLine &line : lines)
            quantities << line.quantity;
        return quantities;
    }

    static bool near(const Quantities &actual, const Quantities &expected)
    {
        if (actual.size() != expected.size())
            return false;
        for (int i = 0; i < actual.size(); ++i)
            if (qAbs(actual[i] - expected[i]) > 1e-9)
                return false;
        return true;
    }

    // One material served as a dish in meals "01", "02" ... with one person each, so every meal
    // gives one detail line of the given quantity.
    void materialInMeals(const Quantities &lines, int decimals)
    {
        QVERIFY(m_kitchen->material("042", "0001", "Liszt", "KG", decimals));
        for (int i = 0; i < lines.size(); ++i) {
            const QString meal = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
            QVERIFY(m_kitchen->meal(meal, QStringLiteral("Étkezés %1").arg(meal)));
            QVERIFY(m_kitchen->headcount(m_date, meal, 1));
            QVERIFY(m_kitchen->menu(m_date, meal, "042", "0001", lines[i]));
        }
    }

    static QStringList mealsUpTo(int count)
    {
        QStringList meals;
        for (int i = 1; i <= count; ++i)
            meals << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        return meals;
    }

private slots:
    void init()
    {
        m_db = &m_databases.current();
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        m_kitchen = std::make_unique<RationFixture>(db());
        QVERIFY(m_kitchen->clear());
        m_stock = FixedStock();
    }

    void detailLines_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<bool>("recipe");
        QTest::addColumn<double>("per100");
        QTest::addColumn<double>("perPerson");
        QTest::addColumn<int>("headcount");
        QTest::addColumn<Quantities>("expected");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "recipe 5 per 100, 1.5 portions, 120 people")
                << true << 5.0 << 1.5 << 120 << Quantities {9.0};
            TestEngines::newRow(engine, "material dish 0.2 per person, 50 people")
                << false << 0.0 << 0.2 << 50 << Quantities {10.0};
            TestEngines::newRow(engine, "recipe without ingredient rows") << true << 0.0 << 1.0 << 30 << Quantities {};
        }
    }

    void detailLines()
    {
        QFETCH(bool, recipe);
        QFETCH(double, per100);
        QFETCH(double, perPerson);
        QFETCH(int, headcount);
        QFETCH(Quantities, expected);
        QVERIFY(m_kitchen->meal("01", "Ebéd", 400));
        QVERIFY(m_kitchen->material("042", "0001", "Liszt", "KG", 3));
        QVERIFY(m_kitchen->headcount(m_date, "01", headcount));
        if (recipe) {
            QList<RationFixture::Ingredient> ingredients;
            if (per100 > 0)
                ingredients << RationFixture::Ingredient {"042", "0001", per100};
            QVERIFY(m_kitchen->recipe("0007", "Palacsinta", ingredients));
            QVERIFY(m_kitchen->menu(m_date, "01", "1000", "0007", perPerson));
        } else {
            QVERIFY(m_kitchen->menu(m_date, "01", "042", "0001", perPerson));
        }
        const RationBuilder::Result result = compute({"01"});
        QVERIFY(near(quantitiesOf(result.sheet.lines()), expected));
        QCOMPARE(result.menu.size(), 1);
        QCOMPARE(result.menu.first().unit, recipe ? QStringLiteral("Adag") : QStringLiteral("KG"));
        QCOMPARE(result.menu.first().dishName, recipe ? QStringLiteral("Palacsinta") : QStringLiteral("Liszt"));
        for (const RationLine &line : result.sheet.lines()) {
            QCOMPARE(line.mealName, QStringLiteral("Ebéd"));
            QCOMPARE(line.normMeal, Money::fromDouble(400.0 * headcount));
        }
    }

    void totalsRoundedPerMaterial_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("per100");
        QTest::addColumn<double>("perPerson");
        QTest::addColumn<int>("headcount");
        QTest::addColumn<double>("expected");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "0 decimals: 12.2 upwards") << 0 << 12.2 << 1.0 << 100 << 13.0;
            TestEngines::newRow(engine, "0 decimals: 12 stays") << 0 << 12.0 << 1.0 << 100 << 12.0;
            TestEngines::newRow(engine, "0 decimals: 0.1 x 3 x 40 is 12") << 0 << 10.0 << 3.0 << 40 << 12.0;
            TestEngines::newRow(engine, "1 decimal: 2.36") << 1 << 236.0 << 1.0 << 1 << 2.4;
            TestEngines::newRow(engine, "1 decimal: 0.25 to even") << 1 << 25.0 << 1.0 << 1 << 0.2;
            TestEngines::newRow(engine, "1 decimal: 0.75 to even") << 1 << 75.0 << 1.0 << 1 << 0.8;
            TestEngines::newRow(engine, "2 decimals: 2.001") << 2 << 200.1 << 1.0 << 1 << 2.0;
            TestEngines::newRow(engine, "5 decimals: unrounded") << 5 << 123.4567 << 1.0 << 1 << 1.234567;
            // Exact halves go to the even neighbour, whatever the binary product says.
            TestEngines::newRow(engine, "3 decimals: 0.03 x 205 is 0.0615, to even")
                << 3 << 0.03 << 1.0 << 205 << 0.062;
            TestEngines::newRow(engine, "2 decimals: 2.5 x 17 is 0.425, to even") << 2 << 2.5 << 1.0 << 17 << 0.42;
            TestEngines::newRow(engine, "2 decimals: 109 x 0.5 x 41 is 22.345, to even")
                << 2 << 109.0 << 0.5 << 41 << 22.34;
        }
    }

    void totalsRoundedPerMaterial()
    {
        QFETCH(int, decimals);
        QFETCH(double, per100);
        QFETCH(double, perPerson);
        QFETCH(int, headcount);
        QFETCH(double, expected);
        QVERIFY(m_kitchen->meal("01", "Ebéd"));
        QVERIFY(m_kitchen->material("042", "0001", "Liszt", "KG", decimals));
        QVERIFY(m_kitchen->recipe("0007", "Palacsinta", {{"042", "0001", per100}}));
        QVERIFY(m_kitchen->headcount(m_date, "01", headcount));
        QVERIFY(m_kitchen->menu(m_date, "01", "1000", "0007", perPerson));
        RationSheet sheet = compute({"01"}).sheet;
        sheet.buildTotals();
        QCOMPARE(sheet.totals().size(), 1);
        QCOMPARE(sheet.totals().first().quantity, expected);
        // The one detail line is reconciled with the rounded total.
        QCOMPARE(sheet.lines().first().quantity, expected);
    }

    void plannedRoundingGoesUpwards_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("planned");
        QTest::addColumn<double>("sheet");
        QTest::newRow("2.001 at 2 decimals") << 2 << 2.001 << 2.01 << 2.0;
        QTest::newRow("0.25 at 1 decimal") << 1 << 0.25 << 0.3 << 0.2;
        QTest::newRow("0.1 + 0.2 at 1 decimal") << 1 << 0.1 + 0.2 << 0.3 << 0.3;
        QTest::newRow("12.2 at 0 decimals") << 0 << 12.2 << 13.0 << 13.0;
        QTest::newRow("0.03 / 100 x 205 at 3 decimals") << 3 << 0.03 / 100 * 205 << 0.062 << 0.062;
        QTest::newRow("4 decimals unrounded") << 4 << 1.23456 << 1.23456 << 1.23456;
        QTest::newRow("negative count unrounded") << -1 << 1.25 << 1.25 << 1.25;
    }

    void plannedRoundingGoesUpwards()
    {
        QFETCH(int, decimals);
        QFETCH(double, quantity);
        QFETCH(double, planned);
        QFETCH(double, sheet);
        QCOMPARE(RationRounding::planned(quantity, decimals), planned);
        QCOMPARE(RationRounding::sheet(quantity, decimals), sheet);
    }

    void reconciliation_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<Quantities>("lines");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("correction"); // negative: none
        QTest::addColumn<double>("total");
        QTest::addColumn<Quantities>("expected");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "rounding up spread in proportion")
                << Quantities {2.0, 1.2} << 0 << -1.0 << 4.0 << Quantities {2.5, 1.5};
            TestEngines::newRow(engine, "equal total leaves the lines")
                << Quantities {2.0, 1.0} << 0 << -1.0 << 3.0 << Quantities {2.0, 1.0};
            TestEngines::newRow(engine, "one line takes the corrected total")
                << Quantities {3.3} << 1 << 5.0 << 5.0 << Quantities {5.0};
            TestEngines::newRow(engine, "zero sum shared equally")
                << Quantities {0.0, 0.0} << 1 << 3.0 << 3.0 << Quantities {1.5, 1.5};
            TestEngines::newRow(engine, "zero total empties the lines")
                << Quantities {2.0, 1.0} << 1 << 0.0 << 0.0 << Quantities {0.0, 0.0};
            TestEngines::newRow(engine, "corrected total of three lines")
                << Quantities {1.0, 2.0, 3.0} << 3 << 12.0 << 12.0 << Quantities {2.0, 4.0, 6.0};
            TestEngines::newRow(engine, "exact sum 0.105 + 0.1 is 0.205, to even")
                << Quantities {0.105, 0.1} << 2 << -1.0 << 0.2 << Quantities {0.102439024, 0.097560976};
            TestEngines::newRow(engine, "thirds of a whole")
                << Quantities {0.1, 0.1, 0.1} << 0 << -1.0 << 1.0 << Quantities {0.333333334, 0.333333333, 0.333333333};
        }
    }

    void reconciliation()
    {
        QFETCH(Quantities, lines);
        QFETCH(int, decimals);
        QFETCH(double, correction);
        QFETCH(double, total);
        QFETCH(Quantities, expected);
        materialInMeals(lines, decimals);
        m_stock.set("042", "0001", 100, 200);
        RationSheet sheet = compute(mealsUpTo(int(lines.size()))).sheet;
        sheet.buildTotals();
        if (correction >= 0)
            QVERIFY(sheet.changeTotal(MaterialKey {"042", "0001"}, correction).isNull());
        QCOMPARE(sheet.totals().first().quantity, total);
        QVERIFY2(
            near(quantitiesOf(sheet.lines()), expected), qPrintable(QString::number(sheet.lines().first().quantity)));
        for (const RationLine &line : sheet.lines())
            QCOMPARE(line.value, Money::fromDouble(200).multiplied(line.quantity));
        QVERIFY(sheet.takeWarnings().isEmpty());
        // The reconciled lines add up to their total exactly: building view 4 again keeps both.
        const QList<RationLine> reconciled = sheet.lines();
        sheet.buildTotals();
        QCOMPARE(sheet.totals().first().quantity, total);
        for (int i = 0; i < reconciled.size(); ++i)
            QCOMPARE(sheet.lines()[i].quantity, reconciled[i].quantity);
    }

    void correctionsOutOfRangeChangeNothing_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<double>("quantity");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "negative") << -1.0;
            TestEngines::newRow(engine, "above 10000000") << 10000001.0;
            TestEngines::newRow(engine, "not a number") << qQNaN();
        }
    }

    void correctionsOutOfRangeChangeNothing()
    {
        QFETCH(double, quantity);
        materialInMeals({2.0, 1.0}, 0);
        RationSheet sheet = compute(mealsUpTo(2)).sheet;
        sheet.buildTotals();
        const Refusal total = sheet.changeTotal(MaterialKey {"042", "0001"}, quantity);
        QCOMPARE(total.text, QStringLiteral("Hibás értékadás!\rA mennyiség 0 és 10000000 között lehet!"));
        QCOMPARE(total.focus, QStringLiteral("edtMennyiseg"));
        QVERIFY(!sheet.changeLine(sheet.lines().first().id, quantity).isNull());
        QCOMPARE(sheet.totals().first().quantity, 3.0);
        QVERIFY(near(quantitiesOf(sheet.lines()), {2.0, 1.0}));
    }

    void onlyUnissuedMealsWithHeadcountTakePart_data() { TestEngines::addRows(); }
    void onlyUnissuedMealsWithHeadcountTakePart()
    {
        QVERIFY(m_kitchen->material("042", "0001", "Liszt", "KG", 3));
        for (const QString &meal : {QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03")}) {
            QVERIFY(m_kitchen->meal(meal, QStringLiteral("Étkezés ") + meal));
            QVERIFY(m_kitchen->menu(m_date, meal, "042", "0001", 1.0));
        }
        QVERIFY(m_kitchen->headcount(m_date, "01", 10));
        QVERIFY(m_kitchen->headcount(m_date, "02", 20, true));
        // "03" has no headcount; another day's headcount does not count.
        QVERIFY(m_kitchen->headcount(m_date.addDays(1), "03", 30));

        const auto offered = RationInput::offeredMeals(db(), m_date, m_date);
        QVERIFY(offered.ok());
        QCOMPARE(offered.value.size(), 1);
        QCOMPARE(offered.value.first().code, QStringLiteral("01"));

        const RationBuilder::Result result = compute({"01", "02", "03"});
        QCOMPARE(result.sheet.mealCodes(), QStringList {"01"});
        QCOMPARE(quantitiesOf(result.sheet.lines()), Quantities {10.0});

        // Codes are bound values: text that would widen the condition selects nothing.
        const auto injected = RationBuilder::compute(db(), m_date, {"02' OR '1'='1"}, m_stock);
        QCOMPARE(injected.refusal.text, QStringLiteral("Erre a napra nincs kiadható étkezés!"));
        const auto none = RationBuilder::compute(db(), m_date, {}, m_stock);
        QVERIFY(!none.ok());
    }

    void normLineCountsEachMealOnce_data() { TestEngines::addRows(); }
    void normLineCountsEachMealOnce()
    {
        QVERIFY(m_kitchen->meal("01", "Ebéd", 500));
        QVERIFY(m_kitchen->meal("02", "Vacsora", 300));
        QVERIFY(m_kitchen->material("042", "0001", "Liszt", "KG", 3));
        QVERIFY(m_kitchen->material("042", "0002", "Cukor", "KG", 3));
        QVERIFY(m_kitchen->recipe("0007", "Palacsinta", {{"042", "0001", 10}, {"042", "0002", 5}}));
        QVERIFY(m_kitchen->headcount(m_date, "01", 10));
        QVERIFY(m_kitchen->headcount(m_date, "02", 20));
        QVERIFY(m_kitchen->menu(m_date, "01", "1000", "0007", 1));
        QVERIFY(m_kitchen->menu(m_date, "02", "1000", "0007", 2));
        QVERIFY(m_kitchen->menu(m_date, "02", "042", "0002", 0.1));
        m_stock.set("042", "0001", 100, 150);
        m_stock.set("042", "0002", 100, 400);
        RationSheet sheet = compute({"01", "02"}).sheet;
        QCOMPARE(sheet.lines().size(), 5);
        sheet.buildTotals();
        // Frame: 500 x 10 + 300 x 20; value: flour 1 + 4 kg at 150, sugar 0.5 + 2 + 2 kg at 400.
        QCOMPARE(sheet.normFrame(), Money::fromDouble(11000));
        QCOMPARE(sheet.realValue(), Money::fromDouble(750 + 1800));
        QCOMPARE(RationViews::normText(sheet),
            QStringLiteral("Norma keret: 11 000,00 Ft  Valós érték: 2 550,00 Ft  Megtakarítás: 8 450,00 Ft"));
    }

    void shortageAgainstTheStockOfTheDate_data() { TestEngines::addRows(); }
    void shortageAgainstTheStockOfTheDate()
    {
        QVERIFY(m_kitchen->meal("01", "Ebéd"));
        QVERIFY(m_kitchen->material("042", "0001", "Alma", "KG", 0));
        QVERIFY(m_kitchen->material("042", "0002", "Banán", "KG", 0));
        QVERIFY(m_kitchen->material("042", "0003", "Citrom", "KG", 0));
        QVERIFY(m_kitchen->material("042", "0004", "Dió", "ZSÁK", 0));
        QVERIFY(m_kitchen->recipe("0005", "Diós tészta", {{"042", "0004", 400}}));
        QVERIFY(m_kitchen->headcount(m_date, "01", 1));
        for (const char *number : {"0001", "0002", "0003"})
            QVERIFY(m_kitchen->menu(m_date, "01", "042", number, 4));
        QVERIFY(m_kitchen->menu(m_date, "01", "1000", "0005", 1));
        m_stock.set("042", "0001", 4, 10);
        m_stock.set("042", "0002", 3.5, 10);
        m_stock.set("042", "0004", 100, 10);
        RationSheet sheet = compute({"01"}).sheet;
        QCOMPARE(m_stock.askedFor, m_date);
        sheet.buildTotals();
        // Dió's unit is not in Mertegys: not shown, never issued, but its line keeps its value.
        QCOMPARE(sheet.totals().size(), 3);
        const QList<RationTotal> &totals = sheet.totals();
        QCOMPARE(totals[0].name, QStringLiteral("Alma"));
        QVERIFY(!totals[0].isShort());
        QVERIFY(totals[1].isShort());
        QCOMPARE(totals[2].name, QStringLiteral("Citrom"));
        QCOMPARE(totals[2].stock, 0.0);
        QVERIFY(totals[2].isShort());
        QVERIFY(sheet.hasShortage());
        QCOMPARE(sheet.realValue(), Money::fromDouble(40 + 40 + 0 + 40));
        QVERIFY(sheet.changeTotal(MaterialKey {"042", "0002"}, 3).isNull());
        QVERIFY(sheet.changeTotal(MaterialKey {"042", "0003"}, 0).isNull());
        QVERIFY(!sheet.hasShortage());
    }

    void addedMaterialSpreadByOwnHeadcounts_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QList<int>>("headcounts");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<Quantities>("expected");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "by headcount, one meal without lines")
                << QList<int> {30, 10} << QStringList {"01", "02"} << Quantities {6.0, 2.0};
            TestEngines::newRow(engine, "one meal takes it all")
                << QList<int> {30, 10} << QStringList {"02"} << Quantities {8.0};
            TestEngines::newRow(engine, "no headcount: shared equally")
                << QList<int> {0, 0} << QStringList {"01", "02"} << Quantities {4.0, 4.0};
        }
    }

    void addedMaterialSpreadByOwnHeadcounts()
    {
        QFETCH(QList<int>, headcounts);
        QFETCH(QStringList, chosen);
        QFETCH(Quantities, expected);
        QVERIFY(m_kitchen->meal("01", "Ebéd", 500));
        QVERIFY(m_kitchen->meal("02", "Vacsora", 300));
        QVERIFY(m_kitchen->material("042", "0001", "Liszt", "KG", 3));
        QVERIFY(m_kitchen->material("042", "0009", "Só", "KG", 3));
        QVERIFY(m_kitchen->headcount(m_date, "01", headcounts[0]));
        QVERIFY(m_kitchen->headcount(m_date, "02", headcounts[1]));
        // Only the first meal has a dish, so the second has no detail line to copy from.
        QVERIFY(m_kitchen->menu(m_date, "01", "042", "0001", 0.1));
        m_stock.set("042", "0009", 5, 80);
        RationSheet sheet = compute({"01", "02"}).sheet;
        sheet.buildTotals();
        const int before = int(sheet.lines().size());
        QVERIFY(sheet.addMaterial(MaterialKey {"042", "0009"}, 8, chosen).isNull());
        const QList<RationLine> added = sheet.lines().mid(before);
        QVERIFY(near(quantitiesOf(added), expected));
        for (int i = 0; i < added.size(); ++i) {
            const RationLine &line = added[i];
            const int meal = chosen[i] == QLatin1String("01") ? 0 : 1;
            QCOMPARE(line.mealCode, chosen[i]);
            QCOMPARE(line.headcount, headcounts[meal]);
            QCOMPARE(line.normMeal, Money::fromDouble(meal == 0 ? 500.0 : 300.0).multiplied(headcounts[meal]));
            QCOMPARE(line.dishName, QStringLiteral("Só"));
            QCOMPARE(line.value, Money::fromDouble(80).multiplied(line.quantity));
        }
        QCOMPARE(sheet.totals().size(), 2);
        QCOMPARE(sheet.totals()[1].name, QStringLiteral("Só"));
        QCOMPARE(sheet.totals()[1].quantity, 8.0);
        QVERIFY(sheet.totals()[1].isShort());

        const Refusal twice = sheet.addMaterial(MaterialKey {"042", "0009"}, 1, chosen);
        QCOMPARE(twice.text, QStringLiteral("Az anyag már létezik!\rMég nem létező anyagot adhat meg csak!"));
        QCOMPARE(sheet.lines().size(), before + added.size());
    }

    void detailViewGroupsByMealAndDish_data() { TestEngines::addRows(); }
    void detailViewGroupsByMealAndDish()
    {
        QVERIFY(m_kitchen->meal("01", "Ebéd"));
        QVERIFY(m_kitchen->meal("02", "Vacsora"));
        QVERIFY(m_kitchen->material("042", "0001", "Liszt", "KG", 0));
        QVERIFY(m_kitchen->material("042", "0002", "Cukor", "KG", 1));
        QVERIFY(m_kitchen->recipe("0007", "Palacsinta", {{"042", "0001", 10}, {"042", "0002", 5}}));
        QVERIFY(m_kitchen->recipe("0008", "Bukta", {{"042", "0001", 20}}));
        QVERIFY(m_kitchen->headcount(m_date, "01", 11));
        QVERIFY(m_kitchen->headcount(m_date, "02", 3));
        QVERIFY(m_kitchen->menu(m_date, "01", "1000", "0007", 1));
        QVERIFY(m_kitchen->menu(m_date, "01", "1000", "0008", 1));
        QVERIFY(m_kitchen->menu(m_date, "02", "1000", "0007", 1));
        const RationBuilder::Result result = compute({"01", "02"});
        const QList<RationViews::DetailRow> rows = RationViews::details(result.sheet);
        QStringList seen;
        for (const RationViews::DetailRow &row : rows)
            seen << row.mealCode + QLatin1Char(' ') + row.dishName + QLatin1Char(' ') + row.materialName
                    + QLatin1Char(' ') + QString::number(row.quantity) + QLatin1Char(' ') + row.group;
        QCOMPARE(seen,
            QStringList({"01 Bukta Liszt 3 0000", "01 Palacsinta Cukor 0.6 0001", "01 Palacsinta Liszt 2 0001",
                "02 Palacsinta Cukor 0.2 0000", "02 Palacsinta Liszt 1 0000"}));
        // Display rounding leaves the lines themselves untouched.
        QVERIFY(near(quantitiesOf(result.sheet.lines()), {2.2, 1.1, 0.55, 0.3, 0.15}));

        const QList<RationViews::DishRow> dishes = RationViews::dishes(result.menu);
        QCOMPARE(dishes.size(), 2);
        QCOMPARE(dishes[1].dishName, QStringLiteral("Palacsinta"));
        QCOMPARE(dishes[1].headcount, 14);
        QCOMPARE(dishes[1].total, 14.0);
    }

    // A material dish carries its material's decimals into views 1 and 2, a recipe the menu's
    // three; a material without a rounding set keeps three.
    void menuRowsCarryTheDecimalsOfTheirTotals_data() { TestEngines::addRows(); }
    void menuRowsCarryTheDecimalsOfTheirTotals()
    {
        QVERIFY(m_kitchen->meal("01", "Ebéd"));
        QVERIFY(m_kitchen->material("042", "0001", "Kenyér", "KG", 1));
        QVERIFY(m_kitchen->material("042", "0002", "Tojás", "KG", 0));
        QVERIFY(m_kitchen->material("042", "0003", "Vaj", "KG", 2));
        QVERIFY(QSqlQuery(db()).exec("UPDATE \"Anyag\" SET \"Kerekites\" = NULL WHERE \"NyilvSzam\" = '0003'"));
        QVERIFY(m_kitchen->recipe("0007", "Palacsinta", {{"042", "0001", 10}}));
        QVERIFY(m_kitchen->headcount(m_date, "01", 205));
        QVERIFY(m_kitchen->menu(m_date, "01", "1000", "0007", 1));
        QVERIFY(m_kitchen->menu(m_date, "01", "042", "0001", 0.05));
        QVERIFY(m_kitchen->menu(m_date, "01", "042", "0002", 1));
        QVERIFY(m_kitchen->menu(m_date, "01", "042", "0003", 0.01));
        const auto menu = RationInput::menuRows(db(), m_date, m_date, {"01"});
        QVERIFY2(menu.ok(), qPrintable(menu.refusal.text));
        QHash<QString, int> decimals;
        for (const RationMenuRow &row : menu.value)
            decimals.insert(row.dishName, row.decimals);
        QCOMPARE(decimals,
            (QHash<QString, int> {{"Palacsinta", 3}, {"Kenyér", 1}, {"Tojás", 0}, {"Vaj", 3}}));
        for (const RationViews::DishRow &dish : RationViews::dishes(menu.value))
            QCOMPARE(dish.decimals, decimals.value(dish.dishName));
    }
};

QTEST_GUILESS_MAIN(TestMenuRation)
#include "tst_ration.moc"
