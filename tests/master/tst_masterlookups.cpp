#include "master/BrowseModel.h"
#include "master/MasterLookups.h"
#include "master/Materials.h"
#include "master/RecipeVatRates.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSignalSpy>
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

    // The VAT rates in force: a refused read is not "no group has a rate".
    void failedVatRatesNameTheirCause_data() { TestEngines::addRows(); }
    void failedVatRatesNameTheirCause()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 3, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase warehouse = db.warehouse(1);
        const Checked<RecipeVatRates> read = RecipeVatRates::read(warehouse, QDate(2025, 3, 1));
        QVERIFY2(read.ok(), qPrintable(read.refusal.text));

        QVERIFY(QSqlQuery(warehouse).exec(QStringLiteral("DROP TABLE \"Afa\"")));
        const Checked<RecipeVatRates> refused = RecipeVatRates::read(warehouse, QDate(2025, 3, 1));
        QVERIFY(!refused.ok());
        QCOMPARE(refused.refusal.text,
            QStringLiteral("Az adatbázis olvasása nem sikerült!\rOka: hiányzik egy tábla az adatbázisból."));
    }

    // A browse screen's rows, the page the grid asks for, a search and the row of a key: a
    // refused read says so instead of showing no rows or "not found".
    void failedBrowseReadsNameTheirCause_data() { TestEngines::addRows(); }
    void failedBrowseReadsNameTheirCause()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 3, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase warehouse = db.warehouse(1);
        StockFixture::addMaterial(warehouse, QStringLiteral("100"), QStringLiteral("0001"), QStringLiteral("Liszt"));
        const QString missingTable
            = QStringLiteral("Az adatbázis olvasása nem sikerült!\rOka: hiányzik egy tábla az adatbázisból.");
        BrowseModel model(warehouse, Materials::browse());
        const Checked<int> opened = model.open(0, {QStringLiteral("100"), QStringLiteral("0001")});
        QVERIFY2(opened.ok(), qPrintable(opened.refusal.text));
        QCOMPARE(opened.value, 0);
        QCOMPARE(model.rowCount(), 1);

        QVERIFY(QSqlQuery(warehouse).exec(QStringLiteral("DROP TABLE \"Anyag\"")));
        QSignalSpy refusedPages(&model, &BrowseModel::readRefused);
        QVERIFY(model.keyAt(0).isEmpty());
        QCOMPARE(refusedPages.size(), 1);
        QCOMPARE(refusedPages.at(0).at(0).value<Refusal>().text, missingTable);
        QCOMPARE(model.search(2, QStringLiteral("Li")).refusal.text, missingTable);
        QCOMPARE(model.query().rowOf(0, {QStringLiteral("100"), QStringLiteral("0001")}).refusal.text, missingTable);
        const Checked<int> reopened = model.open(0);
        QCOMPARE(reopened.refusal.text, missingTable);
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestMasterLookups)
#include "tst_masterlookups.moc"
