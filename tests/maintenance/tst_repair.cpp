#include "maintenance/RepairCommand.h"
#include "maintenance/RepairDatabase.h"
#include "stock/MovementRow.h"
#include "store/Catalogue.h"
#include "support/SqlRows.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

// The database repair on both engines: a dropped index comes back, rows left in progress go with
// their materials recalculated, a missing table stops it, and the watchdog stops a statement
// without ending anything.
class TestRepair : public QObject
{
    Q_OBJECT

    const QDate m_today {2025, 6, 1};

    static void addInProgressRow(QSqlDatabase db)
    {
        StockFixture::addMaterial(db, QStringLiteral("100"), QStringLiteral("0001"), QStringLiteral("Liszt"));
        MovementRow row = StockFixture::voucherItem("BE", "01", "00000010", QDate(2025, 2, 3), "100", "0001", "00010",
            "01", "1000", "270", "1270");
        row.keszletMenny = 2.5;
        row.keszletErtek = Money::fromUnits(qint64(MovementRow::InProgress) * Money::Scale);
        StockFixture::addRow(db, row);
        QSqlQuery q(db);
        QVERIFY(q.exec("UPDATE \"Anyag\" SET \"KeszletMennyiseg\" = 2.5"));
    }

private slots:
    void repairsTheWarehouse_data() { TestEngines::addRows(); }
    void repairsTheWarehouse()
    {
        QFETCH(QString, engine);
        TempDatabase temp(m_today, engine);
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        QSqlDatabase db = temp.warehouse(1);
        addInProgressRow(db);
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("DROP INDEX \"%1\"").arg(Catalogue::sqlIndexName("Anyag", "OrderMegn"))));

        QStringList steps;
        const auto repaired = RepairDatabase::run(db, 1, 60000, [&steps](const QString &table) { steps << table; });
        QVERIFY2(repaired.ok(), qPrintable(repaired.refusal.text));
        QCOMPARE(steps, Catalogue::warehouseTableNames());
        QVERIFY2(repaired.value.lines.contains(QStringLiteral("Anyag: rendben, újra létrehozott index: OrderMegn")),
            qPrintable(repaired.value.lines.join(", ")));
        QVERIFY(repaired.value.lines.contains(QStringLiteral("Raktar: rendben")));
        QCOMPARE(repaired.value.lines.last(), QStringLiteral("Félbemaradt raktári tételek törölve: 1"));
        QCOMPARE(sqlRows(db, "SELECT COUNT(*) FROM \"Raktar\""), QStringList({"0"}));
        QCOMPARE(sqlRows(db, "SELECT \"KeszletMennyiseg\" FROM \"Anyag\""), QStringList({"0"}));

        // A second repair finds the index where it belongs.
        const auto again = RepairDatabase::run(db, 1, 60000);
        QVERIFY(again.ok());
        QVERIFY(again.value.lines.contains(QStringLiteral("Anyag: rendben")));
    }

    void aMissingTableStopsIt_data() { TestEngines::addRows(); }
    void aMissingTableStopsIt()
    {
        QFETCH(QString, engine);
        TempDatabase temp(m_today, engine);
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        QSqlDatabase db = temp.warehouse(1);
        addInProgressRow(db);
        QSqlQuery q(db);
        QVERIFY(q.exec("DROP TABLE \"Lock\""));
        const auto repaired = RepairDatabase::run(db, 1, 60000);
        QVERIFY(!repaired.ok());
        QCOMPARE(repaired.refusal.caption, QStringLiteral("SÚLYOS HIBA!"));
        QVERIFY2(repaired.refusal.text.startsWith(QStringLiteral("A táblát nem sikerült javítani:\rRaktar_1\\Lock\r")),
            qPrintable(repaired.refusal.text));
        // The rows in progress stay when a table failed.
        QCOMPARE(sqlRows(db, "SELECT COUNT(*) FROM \"Raktar\""), QStringList({"1"}));
    }

    void theWatchdogStopsAStatement_data() { TestEngines::addRows(); }
    void theWatchdogStopsAStatement()
    {
        QFETCH(QString, engine);
        TempDatabase temp(m_today, engine);
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        QSqlDatabase db = temp.warehouse(1);
        QSqlQuery q(db);
        QVERIFY(q.exec("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\") "
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30000) "
                       "SELECT '100', CAST(i AS TEXT), 'Anyag ' || CAST(i AS TEXT) FROM n"));
        addInProgressRow(db);
        const auto stopped = RepairDatabase::run(db, 1, 0);
        QVERIFY(!stopped.ok());
        QCOMPARE(stopped.refusal.caption, QStringLiteral("Figyelmeztetés"));
        QVERIFY2(stopped.refusal.text.contains(QStringLiteral("leállítottam")), qPrintable(stopped.refusal.text));
        QCOMPARE(sqlRows(db, "SELECT COUNT(*) FROM \"Raktar\""), QStringList({"1"}));
        // The connection works on, without the watchdog's limit.
        const auto repaired = RepairDatabase::run(db, 1, 60000);
        QVERIFY2(repaired.ok(), qPrintable(repaired.refusal.text));
    }

    void commandLine_data() { TestEngines::addRows(); }
    void commandLine()
    {
        QFETCH(QString, engine);
        TempDatabase temp(m_today, engine);
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        QString outText;
        QString errText;
        QTextStream out(&outText);
        QTextStream err(&errText);
        QCOMPARE(runRepairCommand({temp.path(), "1"}, out, err), 0);
        out.flush();
        QCOMPARE(outText.count(QLatin1Char('\n')),
            Catalogue::WarehouseTableCount + (engine == TestEngines::sqlite() ? 2 : 1));
        QCOMPARE(runRepairCommand({temp.path(), "0"}, out, err), 1);
        err.flush();
        QCOMPARE(errText.count(QLatin1Char('\n')), 1);
    }
};

QTEST_GUILESS_MAIN(TestRepair)
#include "tst_repair.moc"
