#include "reports/NutrientCalculation.h"
#include "reports/NutrientChart.h"
#include "reports/NutrientNorm.h"
#include "reports/NutrientSource.h"
#include "store/Sql.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// The nutrient engine: divisor, grouped figures against the norms, the detailed rows, and the two
// sources (issued sheets of a period, the sheet being prepared) giving the same uses.
class TestNutrients : public QObject
{
    Q_OBJECT

    static NutrientUse use(const QString &number, const QString &group, double quantity, double gramsPerUnit,
        const QList<QPair<Nutrient, double>> &values, Money value = Money(), bool salt = false)
    {
        NutrientUse u;
        u.material.account = QStringLiteral("042");
        u.material.number = number;
        u.material.name = QStringLiteral("Anyag ") + number;
        u.material.group = group;
        u.material.gramsPerUnit = gramsPerUnit;
        u.material.addedSalt = salt;
        for (const auto &[nutrient, amount] : values)
            u.material.perUnit[size_t(nutrient)] = amount;
        u.quantity = quantity;
        u.value = value;
        return u;
    }

    static const NormedFigure &nutrientRow(const GroupedNutrients &result, const QString &label)
    {
        for (const NormedFigure &row : result.nutrients)
            if (row.name == label)
                return row;
        static const NormedFigure none;
        return none;
    }

    static bool exec(QSqlDatabase db, const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery query(db);
        query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!query.exec()) {
            qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
            return false;
        }
        return true;
    }

private slots:
    void divisor_data()
    {
        QTest::addColumn<QList<double>>("averages");
        QTest::addColumn<int>("headcount");
        QTest::addColumn<int>("days");
        QTest::newRow("100 and 101 people") << QList<double> {100, 101} << 101 << 2;
        QTest::newRow("whole mean stays") << QList<double> {100.7, 101.3} << 101 << 2;
        QTest::newRow("no day found") << QList<double> {} << 1 << 1;
        QTest::newRow("average below one") << QList<double> {0} << 1 << 1;
    }

    void divisor()
    {
        QFETCH(QList<double>, averages);
        QFETCH(int, headcount);
        QFETCH(int, days);
        const NutrientDivisor divisor = NutrientDivisor::fromDailyAverages(averages);
        QCOMPARE(divisor.headcount, headcount);
        QCOMPARE(divisor.days, days);
    }

    void groupDeviation_data()
    {
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QVariant>("minimum");
        QTest::addColumn<QVariant>("maximum");
        QTest::addColumn<double>("daily");
        QTest::addColumn<double>("deviation");
        // 1000 person-days; grams per unit 1000: the quantity in units is the daily portion in grams.
        QTest::newRow("no maximum") << 80.0 << QVariant(50.0) << QVariant(0.0) << 80.0 << 0.0;
        QTest::newRow("above maximum") << 80.0 << QVariant(50.0) << QVariant(70.0) << 80.0 << 10.0;
        QTest::newRow("below minimum") << 30.0 << QVariant(50.0) << QVariant(70.0) << 30.0 << -20.0;
        QTest::newRow("nothing served") << 0.0 << QVariant(50.0) << QVariant(70.0) << 0.0 << -50.0;
        QTest::newRow("norm not set") << 30.0 << QVariant() << QVariant() << 30.0 << 0.0;
    }

    void groupDeviation()
    {
        QFETCH(double, quantity);
        QFETCH(QVariant, minimum);
        QFETCH(QVariant, maximum);
        QFETCH(double, daily);
        QFETCH(double, deviation);
        NutrientNorm norm;
        NormRange range;
        if (minimum.isValid())
            range.minimum = minimum.toDouble();
        if (maximum.isValid())
            range.maximum = maximum.toDouble();
        norm.ranges.insert(QStringLiteral("01"), range);
        const QList<NutrientUse> uses {use(QStringLiteral("0001"), QStringLiteral("01"), quantity, 1000, {})};
        const GroupedNutrients result = NutrientCalculation::grouped(uses,
            {{QStringLiteral("01"), QStringLiteral("Hús")}}, norm, NutrientDivisor {100, 10});
        QCOMPARE(result.groups.size(), 1);
        QCOMPARE(result.groups.first().daily, daily);
        QCOMPARE(result.groups.first().deviation, deviation);
        QCOMPARE(result.groups.first().deviates(), deviation != 0);
    }

    // 12 kg with MenySzorzo 10 over 10 days of 100 people; a group that has no norm columns is
    // listed without norm and never deviates; the nutrient rows' own units and roundings.
    void groupedFigures()
    {
        NutrientNorm norm;
        norm.ranges.insert(QStringLiteral("01"), {10.0, 20.0});
        norm.ranges.insert(QStringLiteral("Kaloria"), {3000.0, 4000.0});
        const QList<NutrientUse> uses {
            use(QStringLiteral("0001"), QStringLiteral("01"), 12, 1000, {{Nutrient::Energia, 10000.0 / 12}}),
            use(QStringLiteral("0002"), QStringLiteral("13"), 3, 100,
                {{Nutrient::Koleszterin, 0.5}, {Nutrient::Feherje, 10}, {Nutrient::AllatiFeh, 4}}),
        };
        const GroupedNutrients result = NutrientCalculation::grouped(uses,
            {{QStringLiteral("01"), QStringLiteral("Hús")}, {QStringLiteral("13"), QStringLiteral("Új csoport")}},
            norm, NutrientDivisor {100, 10});
        QCOMPARE(result.groups.at(0).total, 12000.0);
        QCOMPARE(result.groups.at(0).daily, 12.0);
        QCOMPARE(result.groups.at(0).deviation, 0.0);
        QCOMPARE(result.groups.at(1).total, 300.0);
        QVERIFY(!result.groups.at(1).norm.isSet());
        QCOMPARE(result.groups.at(1).deviation, 0.0);

        QCOMPARE(result.nutrients.size(), 14);
        QCOMPARE(result.nutrients.first().name, QStringLiteral("Energia KJ:"));
        QCOMPARE(nutrientRow(result, "Energia KJ:").total, 10000.0);
        const NormedFigure &kcal = nutrientRow(result, "Energia Kcal:");
        QCOMPARE(kcal.total, 2390.1);
        QCOMPARE(kcal.daily, 2.4);
        QCOMPARE(kcal.deviation, 2.4 - 3000);
        QCOMPARE(nutrientRow(result, "Koleszterin:").total, 1500.0);
        QCOMPARE(nutrientRow(result, "Koleszterin:").unit, QStringLiteral("[mg]"));
        QCOMPARE(nutrientRow(result, "Koleszterin:").daily, 1.5);
        // Protein is the material's total protein; animal protein its own row.
        QCOMPARE(nutrientRow(result, "Fehérje:").total, 30.0);
        QCOMPARE(nutrientRow(result, "Áll. Fehérje:").total, 12.0);
        QCOMPARE(nutrientRow(result, "Zsír:").deviation, 0.0);
    }

    void detailedRows()
    {
        const QList<NutrientUse> uses {
            use(QStringLiteral("0001"), QStringLiteral("01"), 1.5, 100, {{Nutrient::So, 2}, {Nutrient::Energia, 400}},
                Money::fromDouble(6000), true),
            use(QStringLiteral("0002"), QStringLiteral("01"), 1, 100,
                {{Nutrient::So, 2}, {Nutrient::Energia, 236.8}, {Nutrient::Koleszterin, 0.0123456}},
                Money::fromDouble(4000)),
        };
        const QList<NutrientDetailRow> rows = NutrientCalculation::detailed(uses, NutrientDivisor {50, 5});
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows.at(0).amount(Nutrient::So), 3.0);
        QCOMPARE(rows.at(0).addedSalt, 3.0);
        QCOMPARE(rows.at(1).addedSalt, 0.0);
        QCOMPARE(rows.at(1).amount(Nutrient::Koleszterin), 0.012);

        const NutrientDetailRow &total = rows.at(2);
        QCOMPARE(total.kind, NutrientDetailRow::Kind::Total);
        QCOMPARE(total.name, QStringLiteral("ÖSSZESÍTÉS 5 napra, 50 főre:"));
        QCOMPARE(total.amount(Nutrient::Energia), 836.8);
        QCOMPARE(total.calories, 200.00);
        QCOMPARE(total.amount(Nutrient::Koleszterin), 0.01);
        QCOMPARE(total.value, Money::fromDouble(10000));
        QCOMPARE(total.addedSalt, 3.0);

        const NutrientDetailRow &daily = rows.at(3);
        QCOMPARE(daily.kind, NutrientDetailRow::Kind::PerPersonDay);
        QCOMPARE(daily.value, Money::fromDouble(40));
        QCOMPARE(daily.amount(Nutrient::Energia), 3.35);
        QCOMPARE(daily.calories, 0.8);
        QVERIFY(daily.isSummary());
        QCOMPARE(rows.at(4).account, QStringLiteral("--"));
        QVERIFY(!rows.at(4).isSummary());
    }

    void calories_data()
    {
        QTest::addColumn<double>("kilojoules");
        QTest::addColumn<double>("kilocalories");
        QTest::newRow("1800 kJ per 100 portions at 1.5") << 1800.0 / 100 * 1.5 << 6.45;
        QTest::newRow("836.8 kJ") << 836.8 << 200.0;
    }

    void calories()
    {
        QFETCH(double, kilojoules);
        QFETCH(double, kilocalories);
        QCOMPARE(NutrientCalculation::calories(kilojoules), kilocalories);
    }

    // Each bar in percent of its own norm: of the minimum, else of the maximum; out-of-band bars are
    // flagged; without a norm the bar stays at 0 and unflagged.
    void chartBars()
    {
        NormedFigure energy;
        energy.name = QStringLiteral("Energia KJ:");
        energy.daily = 6000;
        energy.norm = {8000.0, 10000.0};
        energy.deviation = -2000;
        NormedFigure salt;
        salt.name = QStringLiteral("Só:");
        salt.daily = 4;
        salt.norm = {std::nullopt, 5.0};
        NormedFigure ash;
        ash.name = QStringLiteral("Hamu:");
        ash.daily = 12;
        const QList<NutrientChartBar> bars = NutrientChart::bars({energy, salt, ash});
        QCOMPARE(bars.size(), 3);
        QCOMPARE(bars.at(0).label, QStringLiteral("Energia KJ"));
        QCOMPARE(bars.at(0).percent, 75.0);
        QCOMPARE(bars.at(0).low, std::optional<double>(100.0));
        QCOMPARE(bars.at(0).high, std::optional<double>(125.0));
        QVERIFY(bars.at(0).outOfBand);
        QCOMPARE(bars.at(1).percent, 80.0);
        QVERIFY(!bars.at(1).low);
        QCOMPARE(bars.at(1).high, std::optional<double>(100.0));
        QVERIFY(!bars.at(1).outOfBand);
        QCOMPARE(bars.at(2).percent, 0.0);
        QVERIFY(!bars.at(2).low && !bars.at(2).high);
    }

    // The issued sheets of a period and the same lines as a sheet in memory give the same uses,
    // so both screens show the same protein; lines of an unchosen meal or outside the movement
    // range are left out, and the headcounts give the divisor.
    void periodAndSheetAgree_data() { TestEngines::addRows(); }

    void periodAndSheetAgree()
    {
        QFETCH(QString, engine);
        TempDatabase database(QDate(2025, 6, 1), engine);
        QVERIFY2(database.isValid(), qPrintable(database.errorText()));
        QSqlDatabase db = database.warehouse(1);
        QVERIFY(exec(db,
            "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", "
            "\"MenySzorzo\", \"Feherje\", \"AllatiFeh\", \"Energia\", \"Hso\", \"Hcukor\") VALUES "
            "('042', '0001', 'Csirke', '01', 'kg', 10, 200, 150, 5000, ?, ?)",
            {Sql::flag(false), Sql::flag(false)}));
        const QDate day(2025, 5, 6);
        struct Line
        {
            QString meal;
            double quantity;
            double value;
        };
        const QList<Line> lines {{"01", 2.5, 1000.1234}, {"02", 1.25, 500}, {"03", 7, 700}};
        QList<RationLine> sheetLines;
        for (const Line &line : lines) {
            QVERIFY(exec(db,
                "INSERT INTO \"Kiszabat\" (\"FokSzam\", \"NyilvSzam\", \"Mennyiseg\", \"Datum\", \"EtkKod\", "
                "\"Anyagar\") VALUES ('042', '0001', ?, ?, ?, ?)",
                {line.quantity, Sql::date(day), line.meal, Sql::money(Money::fromDouble(line.value))}));
            RationLine sheetLine;
            sheetLine.account = QStringLiteral("042");
            sheetLine.number = QStringLiteral("0001");
            sheetLine.quantity = line.quantity;
            sheetLine.mealCode = line.meal;
            sheetLine.value = Money::fromDouble(line.value);
            sheetLines << sheetLine;
        }
        QVERIFY(exec(db,
            "INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\", \"Mozgnem\") VALUES "
            "(?, '01', 100, ?, '12'), (?, '02', 51, ?, '12'), (?, '03', 10, ?, '40')",
            {Sql::date(day), Sql::flag(true), Sql::date(day), Sql::flag(true), Sql::date(day), Sql::flag(true)}));

        const NutrientPeriod period {QDate(2025, 5, 1), QDate(2025, 5, 31), "10", "20", {"01", "02", "03"}};
        const auto fromPeriod = NutrientSource::period(db, period);
        QVERIFY2(fromPeriod.ok(), qPrintable(fromPeriod.refusal.text));
        QCOMPARE(fromPeriod.value.size(), 1);
        QCOMPARE(fromPeriod.value.first().quantity, 3.75);
        QCOMPARE(fromPeriod.value.first().value, Money::fromDouble(1500.1234));
        const auto divisor = NutrientSource::periodDivisor(db, period);
        QVERIFY2(divisor.ok(), qPrintable(divisor.refusal.text));
        QCOMPARE(divisor.value.headcount, 76);
        QCOMPARE(divisor.value.days, 1);

        const auto materials = NutrientSource::materials(db);
        QVERIFY(materials.ok());
        const QList<NutrientUse> fromSheet =
            NutrientSource::sheet(materials.value, sheetLines, {QStringLiteral("01"), QStringLiteral("02")});
        QCOMPARE(fromSheet.size(), 1);
        QCOMPARE(fromSheet.first().quantity, 3.75);
        QCOMPARE(fromSheet.first().value, fromPeriod.value.first().value);

        const auto groups = NutrientSource::foodGroups(db);
        QVERIFY(groups.ok());
        const GroupedNutrients a =
            NutrientCalculation::grouped(fromPeriod.value, groups.value, NutrientNorm(), divisor.value);
        const GroupedNutrients b =
            NutrientCalculation::grouped(fromSheet, groups.value, NutrientNorm(), divisor.value);
        QCOMPARE(nutrientRow(a, "Fehérje:").total, 750.0);
        QCOMPARE(nutrientRow(b, "Fehérje:").total, 750.0);
        QCOMPARE(nutrientRow(b, "Fehérje:").daily, nutrientRow(a, "Fehérje:").daily);

        const NutrientPeriod none {QDate(2025, 5, 1), QDate(2025, 5, 31), "10", "20", {}};
        QVERIFY(NutrientSource::period(db, none).value.isEmpty());
        QCOMPARE(NutrientSource::periodDivisor(db, none).value.headcount, 1);
    }

    // The norms are entered per age group; a set bound limits, an empty one does not, and the
    // checks refuse a negative bound and a maximum below its minimum.
    void norms_data() { TestEngines::addRows(); }

    void norms()
    {
        QFETCH(QString, engine);
        TempDatabase database(QDate(2025, 6, 1), engine);
        QVERIFY2(database.isValid(), qPrintable(database.errorText()));
        QSqlDatabase db = database.warehouse(1);
        const auto suffixes = NutrientNorms::suffixes(db);
        QVERIFY2(suffixes.ok(), qPrintable(suffixes.refusal.text));
        QVERIFY(suffixes.value.contains(QStringLiteral("01")));
        QVERIFY(suffixes.value.contains(QStringLiteral("AFeherje")));

        NutrientNorm norm;
        norm.ageGroup = QStringLiteral("Teszt 7-10 év");
        norm.ranges.insert(QStringLiteral("01"), {60.0, 0.0});
        norm.ranges.insert(QStringLiteral("Energia"), {7000.0, 9000.0});
        QCOMPARE(NutrientNorms::save(db, norm, QString()).text, QString());
        const auto loaded = NutrientNorms::load(db, norm.ageGroup);
        QVERIFY2(loaded.ok(), qPrintable(loaded.refusal.text));
        QCOMPARE(loaded.value.range("01").minimum, std::optional<double>(60.0));
        QCOMPARE(loaded.value.range("Energia").maximum, std::optional<double>(9000.0));
        QVERIFY(!loaded.value.range("02").isSet());
        QVERIFY(!loaded.value.range("13").isSet());

        QCOMPARE(NutrientNorms::save(db, norm, QString()).text,
            QStringLiteral("Ilyen nevű korcsoport már van: Teszt 7-10 év"));
        NutrientNorm wrong = norm;
        wrong.ranges.insert(QStringLiteral("Zsir"), {50.0, 40.0});
        QCOMPARE(NutrientNorms::save(db, wrong, norm.ageGroup).text,
            QStringLiteral("A maximum nem lehet kisebb a minimumnál (Zsir)!"));
        wrong.ranges.insert(QStringLiteral("Zsir"), {-1.0, 40.0});
        QCOMPARE(NutrientNorms::save(db, wrong, norm.ageGroup).text,
            QStringLiteral("Az előírás nem lehet negatív (Zsir)!"));

        NutrientNorm renamed = norm;
        renamed.ageGroup = QStringLiteral("Teszt 11-14 év");
        QCOMPARE(NutrientNorms::save(db, renamed, norm.ageGroup).text, QString());
        const auto names = NutrientNorms::ageGroups(db);
        QVERIFY(names.value.contains(renamed.ageGroup));
        QVERIFY(!names.value.contains(norm.ageGroup));
        QVERIFY(!NutrientNorms::load(db, QString()).value.range("01").isSet());
    }
};

QTEST_GUILESS_MAIN(TestNutrients)
#include "tst_nutrients.moc"
