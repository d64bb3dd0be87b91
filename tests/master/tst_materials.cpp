#include "master/Materials.h"
#include "support/EngineTools.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

// Raw materials: register numbers, recording checks, nutrients per unit, the allergen links
// written with the material, and the tables that keep a material from being deleted.
class TestMaterials : public QObject
{
    Q_OBJECT

    // One database per engine for the whole run.
    EngineDatabases m_databases {QDate::currentDate()};
    TempDatabase &db() { return m_databases.current(); }

    QSqlDatabase wh() { return db().warehouse(1); }

    static MaterialEntry valid(const QString &ledger, const QString &number)
    {
        MaterialEntry e;
        e.ledger = ledger;
        e.registerNumber = number;
        e.name = QStringLiteral("Burgonya");
        e.group = QStringLiteral("05");
        e.unit = QStringLiteral("KG");
        e.vatGroup = QStringLiteral("01");
        e.lossCode = QStringLiteral("01");
        return e;
    }

    void exec(const QString &sql)
    {
        QSqlQuery query(wh());
        QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
    }

    int count(const QString &sql)
    {
        QSqlQuery query(wh());
        return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
    }

private slots:

    void init()
    {
        QVERIFY2(db().isValid(), qPrintable(db().errorText()));
        for (const char *table : {"Anyag", "AllergenAny", "AllergenAnyT", "Raktar", "Recept", "Etlap", "CartEtlap", "CartBear"})
            exec(QStringLiteral("DELETE FROM \"%1\"").arg(QString::fromLatin1(table)));
    }

    void proposedRegisterNumber_data() { TestEngines::addRows(); }
    void proposedRegisterNumber()
    {
        QCOMPARE(Materials::proposeRegisterNumber(wh()), QStringLiteral("0000"));
        for (const char *key : {"('011', '0001')", "('013', '0007')", "('011', '0042')"})
            exec(QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\") VALUES %1").arg(QString::fromLatin1(key)));
        QCOMPARE(Materials::proposeRegisterNumber(wh()), QStringLiteral("0043"));
        exec(QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\") VALUES ('011', '9999')"));
        QCOMPARE(Materials::proposeRegisterNumber(wh()), QString());
    }

    void registerNumberIsUniqueWithinItsLedgerAccount_data() { TestEngines::addRows(); }
    void registerNumberIsUniqueWithinItsLedgerAccount()
    {
        QCOMPARE(Materials::insert(wh(), valid(QStringLiteral("011"), QStringLiteral("43"))), Refusal());
        QCOMPARE(Materials::insert(wh(), valid(QStringLiteral("013"), QStringLiteral("0043"))), Refusal());
        QCOMPARE(Materials::insert(wh(), valid(QStringLiteral("011"), QStringLiteral("0043"))),
            Refusal::error(QStringLiteral("A nyilvántartási szám már létezik ezen\ra főkönyvi számon. Kérem adjon meg másat!"),
                QStringLiteral("edtNyilvSzam")));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"Anyag\" WHERE \"NyilvSzam\" = '0043'")), 2);
    }

    void recordingChecks_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("multiplier");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("focus");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "valid") << "Liszt" << 0.0 << 0.0 << 1.0 << "1"
                                                 << "";
            TestEngines::newRow(engine, "short name") << "L" << 0.0 << 0.0 << 1.0 << "1"
                                                      << "edtMegnevezes";
            TestEngines::newRow(engine, "min 0 max 3") << "Liszt" << 0.0 << 3.0 << 1.0 << "1"
                                                       << "";
            TestEngines::newRow(engine, "min 5 max 5") << "Liszt" << 5.0 << 5.0 << 1.0 << "1"
                                                       << "edtKeszletMax";
            TestEngines::newRow(engine, "min 5 max 0") << "Liszt" << 5.0 << 0.0 << 1.0 << "1"
                                                       << "edtKeszletMax";
            TestEngines::newRow(engine, "name before stock") << "" << 5.0 << 5.0 << 1.0 << "1"
                                                             << "edtMegnevezes";
            TestEngines::newRow(engine, "multiplier zero") << "Liszt" << 0.0 << 0.0 << 0.0 << "1"
                                                           << "edtMenySzorzo";
            TestEngines::newRow(engine, "multiplier negative") << "Liszt" << 0.0 << 0.0 << -1.0 << "1"
                                                               << "edtMenySzorzo";
            TestEngines::newRow(engine, "register 10000") << "Liszt" << 0.0 << 0.0 << 1.0 << "10000"
                                                          << "edtNyilvSzam";
            TestEngines::newRow(engine, "register letters") << "Liszt" << 0.0 << 0.0 << 1.0 << "12a"
                                                            << "edtNyilvSzam";
            TestEngines::newRow(engine, "NUL in the name") << QString("Liszt") + QChar(0) + "BL55" << 0.0 << 0.0
                                                           << 1.0 << "1" << "edtMegnevezes";
            TestEngines::newRow(engine, "line break in the name") << "Liszt\nBL55" << 0.0 << 0.0 << 1.0 << "1"
                                                                  << "edtMegnevezes";
        }
    }
    void recordingChecks()
    {
        QFETCH(QString, name);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(double, multiplier);
        QFETCH(QString, number);
        QFETCH(QString, focus);
        MaterialEntry e = valid(QStringLiteral("011"), number);
        e.name = name;
        e.minimum = minimum;
        e.maximum = maximum;
        e.multiplier = multiplier;
        QCOMPARE(Materials::insert(wh(), e).focus, focus);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"Anyag\"")), focus.isEmpty() ? 1 : 0);
    }

    void nutrientsAreStoredPerUnitAndShownPer100g_data() { TestEngines::addRows(); }
    void nutrientsAreStoredPerUnitAndShownPer100g()
    {
        MaterialEntry e = valid(QStringLiteral("011"), QStringLiteral("0001"));
        e.multiplier = 10;
        e.nutrients.insert(QStringLiteral("Feherje"), 2);
        e.nutrients.insert(QStringLiteral("Energia"), 419);
        e.price = *Money::fromText(QStringLiteral("123,45678"));
        QCOMPARE(Materials::insert(wh(), e), Refusal());
        QCOMPARE(count(QStringLiteral("SELECT \"Feherje\" FROM \"Anyag\"")), 20);
        QCOMPARE(count(QStringLiteral("SELECT \"Energia\" FROM \"Anyag\"")), 4190);
        const std::optional<MaterialEntry> back = Materials::read(wh(), QStringLiteral("011"), QStringLiteral("0001"));
        QVERIFY(back);
        QCOMPARE(back->nutrients.value(QStringLiteral("Feherje")), 2.0);
        QCOMPARE(back->price, Money::fromUnits(1234568));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"Anyag\" WHERE \"KeszletMennyiseg\" = 0 AND "
                                      "\"KeszletErtek\" = 0 AND \"LeltarMennyiseg\" = 0")),
            1);
    }

    void damagedZeroMultiplierIsShownNotDividedBy_data() { TestEngines::addRows(); }
    void damagedZeroMultiplierIsShownNotDividedBy()
    {
        exec(QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"MenySzorzo\", "
                            "\"Feherje\") VALUES ('011', '0002', 'Régi', 0, 7)"));
        const std::optional<MaterialEntry> back = Materials::read(wh(), QStringLiteral("011"), QStringLiteral("0002"));
        QVERIFY(back);
        QCOMPARE(back->nutrients.value(QStringLiteral("Feherje")), 7.0);
        QCOMPARE(Materials::update(wh(), *back).focus, QStringLiteral("edtMenySzorzo"));
    }

    void allergensAreWrittenWithTheMaterial_data() { TestEngines::addRows(); }
    void allergensAreWrittenWithTheMaterial()
    {
        MaterialEntry e = valid(QStringLiteral("011"), QStringLiteral("0003"));
        e.contains = {QStringLiteral("01"), QStringLiteral("07")};
        e.mayContain = {QStringLiteral("08")};
        QCOMPARE(Materials::insert(wh(), e), Refusal());
        std::optional<MaterialEntry> back = Materials::read(wh(), QStringLiteral("011"), QStringLiteral("0003"));
        QCOMPARE(back->contains, e.contains);
        QCOMPARE(back->mayContain, e.mayContain);

        back->contains = {QStringLiteral("03")};
        back->mayContain.clear();
        QCOMPARE(Materials::update(wh(), *back), Refusal());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAny\"")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAnyT\"")), 0);
    }

    void refusedMaterialLeavesNoAllergenRows_data() { TestEngines::addRows(); }
    void refusedMaterialLeavesNoAllergenRows()
    {
        QString error;
        QVERIFY2(EngineTools::refuseInserts(wh(), QStringLiteral("AllergenAnyT"), &error), qPrintable(error));
        MaterialEntry e = valid(QStringLiteral("011"), QStringLiteral("0004"));
        e.contains = {QStringLiteral("01")};
        e.mayContain = {QStringLiteral("02")};
        const Refusal refusal = Materials::insert(wh(), e);
        EngineTools::allowInserts(wh(), QStringLiteral("AllergenAnyT"));
        QVERIFY(refusal.text.startsWith(QStringLiteral("Az adatbázis írása nem sikerült, az adat nem változott!")));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"Anyag\"")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAny\"")), 0);

        e.name = QStringLiteral("X");
        QVERIFY(Materials::insert(wh(), e));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAny\"")), 0);
    }

    void materialThatAnotherTableNamesStays_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("usage");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "movement row")
                << "INSERT INTO \"Raktar\" (\"FokSzla\", \"NyilvSzam\") VALUES ('011', '0005')";
            TestEngines::newRow(engine, "recipe line")
                << "INSERT INTO \"Recept\" (\"FokSzla\", \"NyilvSzam\") VALUES ('011', '0005')";
            TestEngines::newRow(engine, "daily menu")
                << "INSERT INTO \"Etlap\" (\"FokSzam\", \"EtelKod\") VALUES ('011', '0005')";
            TestEngines::newRow(engine, "a-la-carte menu")
                << "INSERT INTO \"CartEtlap\" (\"FokSzam\", \"Etelkod\") VALUES ('011', '0005')";
            TestEngines::newRow(engine, "a-la-carte price")
                << "INSERT INTO \"CartBear\" (\"Fokszam\", \"Etelkod\") VALUES ('011', '0005')";
        }
    }
    void materialThatAnotherTableNamesStays()
    {
        QFETCH(QString, usage);
        MaterialEntry e = valid(QStringLiteral("011"), QStringLiteral("0005"));
        e.contains = {QStringLiteral("01")};
        e.mayContain = {QStringLiteral("02")};
        QCOMPARE(Materials::insert(wh(), e), Refusal());
        QCOMPARE(Materials::insert(wh(), valid(QStringLiteral("012"), QStringLiteral("0005"))), Refusal());
        exec(usage);
        const Refusal inUse = Refusal::warning(QStringLiteral("Az adat nem törölhető!\rMás tábla már használja az anyagot."));
        QCOMPARE(Materials::checkDelete(wh(), QStringLiteral("011"), QStringLiteral("0005")), inUse);
        QCOMPARE(Materials::remove(wh(), QStringLiteral("011"), QStringLiteral("0005")), inUse);
        QVERIFY(Materials::read(wh(), QStringLiteral("011"), QStringLiteral("0005")));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAnyT\"")), 1);

        QCOMPARE(Materials::remove(wh(), QStringLiteral("012"), QStringLiteral("0005")), Refusal());
        QVERIFY(!Materials::read(wh(), QStringLiteral("012"), QStringLiteral("0005")));
        QCOMPARE(Materials::usedInRecipes(wh(), QStringLiteral("011"), QStringLiteral("0005")),
            usage.contains(QLatin1String("Recept")));
    }

    void unusedMaterialGoesWithItsAllergenLinks_data() { TestEngines::addRows(); }
    void unusedMaterialGoesWithItsAllergenLinks()
    {
        MaterialEntry e = valid(QStringLiteral("011"), QStringLiteral("0006"));
        e.contains = {QStringLiteral("01")};
        e.mayContain = {QStringLiteral("02")};
        QCOMPARE(Materials::insert(wh(), e), Refusal());
        QCOMPARE(Materials::remove(wh(), QStringLiteral("011"), QStringLiteral("0006")), Refusal());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"Anyag\"")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAny\"")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"AllergenAnyT\"")), 0);
    }
};

QTEST_GUILESS_MAIN(TestMaterials)
#include "tst_materials.moc"
