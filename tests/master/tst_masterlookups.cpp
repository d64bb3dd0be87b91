#include "master/MasterLookups.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

// The look-up lists of the edit screens: a read that the database refuses says so, with its
// cause, instead of answering with an empty list that looks like "nothing to choose".
class TestMasterLookups : public QObject
{
    Q_OBJECT

    static Checked<LookupList> lookUp(const QString &lookup, QSqlDatabase db)
    {
        if (lookup == QLatin1String("ledger accounts"))
            return MasterLookups::ledgerAccounts(db);
        if (lookup == QLatin1String("units"))
            return MasterLookups::units(db);
        if (lookup == QLatin1String("meals"))
            return MasterLookups::meals(db);
        if (lookup == QLatin1String("recipes"))
            return MasterLookups::recipes(db);
        if (lookup == QLatin1String("materials"))
            return MasterLookups::materialsOf(db, QStringLiteral("100"));
        return MasterLookups::codeTableRows(
            db, QStringLiteral("Anyagcsoport"), QStringLiteral("Kod"), QStringLiteral("Megnevezes"));
    }

private slots:
    void failedLookUpNamesItsCause_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<QString>("table");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "ledger accounts") << "ledger accounts" << "Fokszam";
            TestEngines::newRow(engine, "units") << "units" << "Mertegys";
            TestEngines::newRow(engine, "meals") << "meals" << "Etkezesek";
            TestEngines::newRow(engine, "recipes") << "recipes" << "ReceptFej";
            TestEngines::newRow(engine, "materials") << "materials" << "Anyag";
            TestEngines::newRow(engine, "code table") << "code table" << "Anyagcsoport";
        }
    }
    void failedLookUpNamesItsCause()
    {
        QFETCH(QString, engine);
        QFETCH(QString, lookup);
        QFETCH(QString, table);
        TempDatabase db(QDate(2025, 3, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase warehouse = db.warehouse(1);
        StockFixture::addMaterial(warehouse, QStringLiteral("100"), QStringLiteral("0001"), QStringLiteral("Liszt"));
        const Checked<LookupList> read = lookUp(lookup, warehouse);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text));
        if (lookup == QLatin1String("materials"))
            QCOMPARE(read.value.value(0).text, QStringLiteral("Liszt"));

        QVERIFY(QSqlQuery(warehouse).exec(QStringLiteral("DROP TABLE \"%1\"").arg(table)));
        const Checked<LookupList> refused = lookUp(lookup, warehouse);
        QVERIFY(!refused.ok());
        QVERIFY(refused.value.isEmpty());
        QCOMPARE(refused.refusal.text,
            QStringLiteral("Az adatbázis olvasása nem sikerült!\rOka: hiányzik egy tábla az adatbázisból."));
    }

    // A material's unit: found, missing (no refusal), or a refused read that names its cause.
    void materialUnitTellsMissingFromFailed_data() { TestEngines::addRows(); }
    void materialUnitTellsMissingFromFailed()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 3, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase warehouse = db.warehouse(1);
        StockFixture::addMaterial(warehouse, QStringLiteral("100"), QStringLiteral("0001"), QStringLiteral("Liszt"), 2);
        const auto found = MasterLookups::materialUnit(warehouse, QStringLiteral("100"), QStringLiteral("0001"));
        QVERIFY2(found.ok() && found.value, qPrintable(found.refusal.text));
        QCOMPARE(found.value->decimals, 2);
        const auto missing = MasterLookups::materialUnit(warehouse, QStringLiteral("100"), QStringLiteral("0002"));
        QVERIFY(missing.ok());
        QVERIFY(!missing.value);

        QVERIFY(QSqlQuery(warehouse).exec(QStringLiteral("DROP TABLE \"Mertegys\"")));
        const auto failed = MasterLookups::materialUnit(warehouse, QStringLiteral("100"), QStringLiteral("0001"));
        QVERIFY(!failed.ok());
        QVERIFY(!failed.value);
        QCOMPARE(failed.refusal.text,
            QStringLiteral("Az adatbázis olvasása nem sikerült!\rOka: hiányzik egy tábla az adatbázisból."));
    }
};

QTEST_GUILESS_MAIN(TestMasterLookups)
#include "tst_masterlookups.moc"
