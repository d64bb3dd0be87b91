#include "core/ScriptedMessenger.h"
#include "reports/InventoryDifference.h"
#include "reports/InventoryList.h"
#include "reports/InventoryListReport.h"
#include "reports/MaterialCard.h"
#include "stock/StockAtDate.h"
#include "stock/StockLedger.h"
#include "stock/YearOpening.h"
#include "support/EngineTools.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

using namespace StockFixture;

// The stock reports over a small warehouse: the inventory list (the stock at a date), the material
// card and the inventory difference sheet.
class TestStockReports : public QObject
{
    Q_OBJECT

    struct Warehouse
    {
        TempDatabase db;
        QSqlDatabase wh;
        explicit Warehouse(const QString &engine)
            : db(QDate(2025, 6, 1), engine)
        {
            if (!db.isValid())
                QTest::qFail(qPrintable(db.errorText()), __FILE__, __LINE__);
            wh = db.warehouse(1);
            addReportStock(wh);
        }
    };

private slots:
    void inventoryList_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<bool>("showZero");
        QTest::addColumn<QString>("ledger");
        QTest::addColumn<QStringList>("materials");
        QTest::addColumn<QString>("value");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "stock only") << false << "" << QStringList {"0001", "0003"} << "1500";
            TestEngines::newRow(engine, "zero rows too")
                << true << "" << QStringList {"0001", "0002", "0003"} << "1500";
            TestEngines::newRow(engine, "one ledger account")
                << true << "100" << QStringList {"0001", "0002"} << "1200";
        }
    }

    void inventoryList()
    {
        QFETCH(QString, engine);
        QFETCH(bool, showZero);
        QFETCH(QString, ledger);
        QFETCH(QStringList, materials);
        QFETCH(QString, value);
        Warehouse w(engine);
        InventoryList list(w.wh);
        InventoryList::Parameters parameters {QDate(2025, 6, 30), 2025, showZero, ledger, false};
        QVERIFY(list.run(parameters));
        QStringList found;
        for (const StockLine &line : list.rows())
            found << line.nyilvSzam;
        QCOMPARE(found, materials);
        QCOMPARE(list.totals().value, money(value));
        QCOMPARE(
            list.statusText(false), QString("Napi készletérték: %1 Ft").arg(value == "1500" ? "1 500,00" : "1 200,00"));
        // Leltar holds every material with movements, zero rows included, whatever the view.
        QCOMPARE(StockFixture::value(w.wh, "SELECT COUNT(*) FROM \"Leltar\"").toInt(), 3);
        QCOMPARE(StockFixture::value(w.wh, "SELECT \"KeszletMenny\" FROM \"Leltar\" WHERE \"NyilvSzam\" = '0001'")
                     .toDouble(),
            8.0);
        QCOMPARE(
            StockFixture::value(w.wh, "SELECT \"NyilvAr\" FROM \"Leltar\" WHERE \"NyilvSzam\" = '0001'").toDouble(),
            150.0);
    }

    // The list's quantities show each material's decimals ("Kerekites"), in the stock lines and
    // the grid; a material without a rounding set shows three.
    void inventoryListQuantitiesShowTheMaterialsDecimals_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QVariant>("kerekites");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("shown");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "whole pieces") << QVariant(0) << 0 << "8";
            TestEngines::newRow(engine, "one decimal") << QVariant(1) << 1 << "8,0";
            TestEngines::newRow(engine, "two decimals") << QVariant(2) << 2 << "8,00";
            TestEngines::newRow(engine, "three decimals") << QVariant(3) << 3 << "8,000";
            TestEngines::newRow(engine, "not set") << QVariant(QMetaType(QMetaType::Int)) << 3 << "8,000";
        }
    }
    void inventoryListQuantitiesShowTheMaterialsDecimals()
    {
        QFETCH(QString, engine);
        QFETCH(QVariant, kerekites);
        QFETCH(int, decimals);
        QFETCH(QString, shown);
        Warehouse w(engine);
        QSqlQuery update(w.wh);
        update.prepare("UPDATE \"Anyag\" SET \"Kerekites\" = ? WHERE \"NyilvSzam\" = '0001'");
        update.addBindValue(kerekites);
        QVERIFY(update.exec());
        const QList<StockLine> lines = StockAtDate(w.wh).compute(QDate(2025, 6, 30), 2025);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0).kerekites, decimals);
        QCOMPARE(lines.at(1).kerekites, 3);

        InventoryListReport report(w.wh);
        ReportParameters parameters;
        parameters.year = 2025;
        parameters.date = QDate(2025, 6, 30);
        parameters.filters.insert(InventoryListReport::WorkYear, 2025);
        QVERIFY(report.run(parameters).isNull());
        QCOMPARE(report.rows()->headerData(3, Qt::Horizontal).toString(), QString("Készlet"));
        QCOMPARE(report.rows()->index(0, 3).data().toString(), shown);
        QCOMPARE(report.rows()->index(1, 3).data().toString(), QString("3,000"));
    }

    // After a year opening the stock of the new year is counted once, whichever year the list
    // offers was chosen: the opening rows carry the years before, never added to their movements.
    void inventoryListAfterYearOpening_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("workYear");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "new year's date, work year") << QDate(2026, 6, 30) << 2026;
            TestEngines::newRow(engine, "old year's last day") << QDate(2025, 12, 31) << 2026;
            TestEngines::newRow(engine, "opening day") << QDate(2026, 1, 1) << 2026;
        }
    }
    void inventoryListAfterYearOpening()
    {
        QFETCH(QString, engine);
        QFETCH(QDate, date);
        QFETCH(int, workYear);
        Warehouse w(engine);
        QVERIFY(StockAtDate(w.wh).fillLeltar(QDate(2025, 12, 31), 2025));
        QVERIFY(QSqlQuery(w.wh).exec("UPDATE \"Munkaev\" SET \"AktivEv\" = FALSE"));
        ScriptedMessenger messenger;
        const Checked<int> opened = YearOpening(w.wh).open(2026, "anna", messenger);
        QVERIFY2(opened.refusal.isNull(), qPrintable(opened.refusal.text));
        QCOMPARE(opened.value, 3);
        InventoryListReport report(w.wh);
        for (int chosenYear : {2025, 2026, 2027}) {
            ReportParameters parameters;
            parameters.year = chosenYear;
            parameters.date = date;
            parameters.filters.insert(InventoryListReport::WorkYear, workYear);
            QVERIFY(report.run(parameters).isNull());
            QCOMPARE(report.lines().size(), 2);
            QCOMPARE(report.lines().at(0).keszletMenny, 8.0);
            QCOMPARE(report.lines().at(0).keszletErtek, money("1200"));
            QCOMPARE(report.lines().at(1).keszletMenny, 3.0);
            QCOMPARE(report.totals(), QString("Napi készletérték: 1 500,00 Ft"));
        }
    }

    // Quantities are summed unrounded and the stock rounded to three decimals; a material whose
    // movements lie before the period still gets its (zero) row.
    void stockAtDateEdges_data() { TestEngines::addRows(); }
    void stockAtDateEdges()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase wh = db.warehouse(1);
        addMaterial(wh, "100", "0001", "Liszt", 4);
        addMaterial(wh, "100", "0002", "Cukor", 3);
        QSqlQuery(wh).exec("DELETE FROM \"Napizaras\"");
        StockLedger ledger(wh, StockOptions {"anna", false});
        QVERIFY(ledger.record(receipt("00000001", QDate(2025, 2, 1), "0001", 10.0005, "1")).ok());
        QVERIFY(ledger.record(receipt("00000002", QDate(2024, 5, 1), "0002", 5, "10")).ok());
        const QList<StockLine> lines = StockAtDate(wh).compute(QDate(2025, 6, 1), 2025);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).keszletMenny, 10.0);
        QCOMPARE(lines.at(0).keszletErtek, money("10"));
        QCOMPARE(lines.at(0).nyilvAr, money("1"));
        QCOMPARE(lines.at(1).keszletMenny, 0.0);
        // A date of the year before starts on its own 1 January.
        const QList<StockLine> earlier = StockAtDate(wh).compute(QDate(2024, 12, 31), 2025);
        QCOMPARE(earlier.at(1).keszletMenny, 5.0);
        QCOMPARE(StockAtDate::periodStart(QDate(2024, 12, 31), 2025), QDate(2024, 1, 1));
        QCOMPARE(StockAtDate::periodStart(QDate(2026, 3, 1), 2025), QDate(2025, 1, 1));

        // Filling the stock list answers its success: the issue screen refuses on a false answer.
        QString error = QStringLiteral("-");
        QVERIFY(StockAtDate(wh).fillLeltar(QDate(2025, 6, 1), 2025, &error));
        QCOMPARE(error, QString());
        QCOMPARE(StockFixture::value(wh, "SELECT COUNT(*) FROM \"Leltar\"").toInt(), 2);
        QSqlQuery(wh).exec("DROP TABLE \"Leltar\"");
        QVERIFY(!StockAtDate(wh).writeLeltar(lines, &error));
        QVERIFY(!error.isEmpty());
    }

    void materialCard_data() { TestEngines::addRows(); }
    void materialCard()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        // A row of an unknown partner does not appear and does not count.
        QSqlQuery(w.wh).exec("UPDATE \"Raktar\" SET \"PartAzon\" = '99999' WHERE \"BizSzam\" = '00000002'");
        MaterialCard card(w.wh);
        QVERIFY(card.run("100", "0001", QDate(2025, 1, 1), QDate(2025, 12, 31)));
        QCOMPARE(card.rows().size(), 1);
        QCOMPARE(card.rows().at(0).bk, QString("BE"));
        QCOMPARE(card.totals().receiptValue, money("1500"));
        QCOMPARE(card.totals().issueValue, money("0"));
        QCOMPARE(card.totals().averagePrice, money("150"));
        QCOMPARE(card.material().keszletMennyiseg, 8.0);
        QCOMPARE(card.statusLines().at(0),
            QString("BE: 1 500,00 Ft   KI: 0,00 Ft   Egyenleg: 1 500,00 Ft   Nyilv. átl. ár: 150,00 Ft"));
        QCOMPARE(
            card.statusLines().at(1), QString("BE: 10,00 KG   KI: 0,00 KG   Egyenleg: 10,00 KG   Átlagár: 150,00 Ft"));
    }

    void inventoryDifference_data() { TestEngines::addRows(); }
    void inventoryDifference()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        InventoryDifference sheet(w.wh, {"anna", "konyha-1"});
        QVERIFY(sheet.start(QDate(2025, 6, 30), 2025, false));
        QCOMPARE(sheet.rows(false, false).value.size(), 3);
        QVERIFY(sheet.setRealStock("100", "0001", 6.5));
        const InventoryDifference::Row row = sheet.rows(false, true).value.value(0);
        QCOMPARE(row.nyilvSzam, QString("0001"));
        QCOMPARE(row.elteres, 1.5);
        QCOMPARE(row.elteresAr, money("225"));
        // Rows without a typed real stock differ by their whole stock.
        QCOMPARE(sheet.rows(false, true).value.size(), 2);
        QCOMPARE(sheet.totals().value, money("1500"));
        QCOMPARE(sheet.totals().difference, money("525"));
        QCOMPARE(InventoryDifference::statusText(sheet.totals()),
            QString("Összérték: 1 500,00 Ft Összes eltérés: 525,00 Ft"));
        QCOMPARE(sheet.rows(true, false).value.first().megnevezes, QString("Alma"));

        // The stock comparison takes the stored stock as the real one: no difference.
        QVERIFY(sheet.start(QDate(2025, 12, 31), 2025, true));
        QCOMPARE(sheet.rows(false, true).value.size(), 0);

        // A sheet the database cannot read says so, rather than showing an empty sheet.
        QVERIFY(QSqlQuery(w.wh).exec("DROP TABLE \"TmpLeltarHason\""));
        const auto refused = sheet.rows(false, false);
        QVERIFY(!refused.ok());
        QVERIFY(refused.value.isEmpty());
        QCOMPARE(refused.refusal.text,
            QString("Az adatbázis olvasása nem sikerült!\rOka: hiányzik egy tábla az adatbázisból."));
    }

    // Each sheet belongs to one user on one computer: starting, typing and emptying one never
    // reaches another's, whether another user or the same user on another computer.
    void inventoryDifferenceIsPrivateToItsOwner_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("computer");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "other computer") << "anna" << "konyha-2";
            TestEngines::newRow(engine, "other user") << "bela" << "konyha-1";
        }
    }
    void inventoryDifferenceIsPrivateToItsOwner()
    {
        QFETCH(QString, engine);
        QFETCH(QString, user);
        QFETCH(QString, computer);
        Warehouse w(engine);
        InventoryDifference mine(w.wh, {"anna", "konyha-1"});
        QVERIFY(mine.start(QDate(2025, 6, 30), 2025, false));
        QVERIFY(mine.setRealStock("100", "0001", 6.5));
        {
            QSqlDatabase second = EngineTools::otherComputer(w.db, 1, QStringLiteral("second"));
            QVERIFY(second.isOpen());
            InventoryDifference theirs(second, {user, computer});
            QCOMPARE(theirs.rows(false, false).value.size(), 0);
            QVERIFY(!theirs.hasTypedCounts());
            QVERIFY(theirs.start(QDate(2025, 6, 30), 2025, false));
            QVERIFY(theirs.setRealStock("100", "0001", 1));
            QCOMPARE(theirs.totals().difference, money("1350"));
            QVERIFY(theirs.clear());
            QCOMPARE(theirs.rows(false, false).value.size(), 0);
            second.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("second"));
        QCOMPARE(mine.rows(false, false).value.size(), 3);
        QCOMPARE(mine.rows(false, true).value.value(0).elteres, 1.5);
        QCOMPARE(mine.rows(false, true).value.size(), 2);
        QCOMPARE(mine.totals().difference, money("525"));
    }

    // The typed counts outlive the connection (the program closed or killed): the owner finds
    // the sheet again, until a new sheet is started.
    void inventoryDifferenceOutlivesTheProgram_data() { TestEngines::addRows(); }
    void inventoryDifferenceOutlivesTheProgram()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        {
            QSqlDatabase first = EngineTools::otherComputer(w.db, 1, QStringLiteral("first"));
            InventoryDifference sheet(first, {"anna", "konyha-1"});
            QVERIFY(sheet.start(QDate(2025, 6, 30), 2025, false));
            QVERIFY(!sheet.hasTypedCounts());
            QVERIFY(sheet.setRealStock("100", "0001", 6.5));
            first.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("first"));
        InventoryDifference again(w.wh, {"anna", "konyha-1"});
        QVERIFY(again.hasTypedCounts());
        QCOMPARE(again.rows(false, false).value.size(), 3);
        QCOMPARE(again.rows(false, false).value.value(0).valosKeszlet, 6.5);
        QCOMPARE(again.totals().difference, money("525"));
        QVERIFY(again.start(QDate(2025, 6, 30), 2025, false));
        QVERIFY(!again.hasTypedCounts());
        QCOMPARE(again.totals().difference, money("1500"));
    }

    // A database made when the sheet had no owner fields gets the owned table on first use.
    void inventoryDifferenceOnAnOlderDatabase_data() { TestEngines::addRows(); }
    void inventoryDifferenceOnAnOlderDatabase()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        QVERIFY(QSqlQuery(w.wh).exec("DROP TABLE \"TmpLeltarHason\""));
        QVERIFY(QSqlQuery(w.wh).exec("CREATE TABLE \"TmpLeltarHason\" (\"FokSzam\" TEXT, \"NyilvSzam\" TEXT)"));
        InventoryDifference sheet(w.wh, {"anna", "konyha-1"});
        QString error;
        QVERIFY2(sheet.start(QDate(2025, 6, 30), 2025, false, &error), qPrintable(error));
        QCOMPARE(sheet.rows(false, false).value.size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestStockReports)
#include "tst_stockreports.moc"
