#include "store/FreeSql.h"

#include "support/SqlRows.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QtTest>

// The table editor's free SQL on both engines: queries read, statements write under the lock, and
// whatever could leave the warehouse or change its structure is refused with nothing changed.
class TestFreeSql : public QObject
{
    Q_OBJECT

    const QDate m_today {2025, 6, 1};
    EngineDatabases m_databases {m_today};

private slots:
    void runs_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("query");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        QTest::addColumn<int>("rows");
        for (const QString &engine : TestEngines::names()) {
            const bool server = engine == TestEngines::postgresql();
            TestEngines::newRow(engine, "query") << "SELECT \"AzonAl\" FROM \"Allergen\" WHERE \"AzonAl\" = '01';" << true
                                                 << "" << 1;
            TestEngines::newRow(engine, "a semicolon in a string") << "SELECT ';' AS x -- ; comment" << true << "" << 1;
            TestEngines::newRow(engine, "two statements")
                << "SELECT 1; DELETE FROM \"Partner\"" << true << "Egyszerre csak egy" << 0;
            TestEngines::newRow(engine, "nothing") << "  -- ;" << true << "Nincs futtatható" << 0;
            TestEngines::newRow(engine, "write in query mode")
                << "DELETE FROM \"Partner\"" << true << (server ? "Lekérdezésként csak" : "not authorized") << 0;
            TestEngines::newRow(engine, "write through a query")
                << "WITH x AS (DELETE FROM \"Partner\" RETURNING 1) SELECT * FROM x" << true
                << (server ? "read-only" : "syntax") << 0;
            TestEngines::newRow(engine, "statement") << "UPDATE \"Partner\" SET \"Telefon\" = '1' WHERE \"PartAzon\" = '00000'"
                                                     << false << "" << 1;
            TestEngines::newRow(engine, "attach")
                << "ATTACH DATABASE '/tmp/x.sqlite' AS x" << false << (server ? "SQL-ként csak" : "not authorized") << 0;
            TestEngines::newRow(engine, "DDL") << "DROP TABLE \"Partner\"" << false
                                              << (server ? "SQL-ként csak" : "not authorized") << 0;
            TestEngines::newRow(engine, "writing pragma")
                << "PRAGMA journal_mode = DELETE" << false << (server ? "SQL-ként csak" : "not authorized") << 0;
            TestEngines::newRow(engine, "vacuum into") << "VACUUM INTO '/tmp/copy.sqlite'" << false << "VACUUM" << 0;
            TestEngines::newRow(engine, "transaction control") << "COMMIT" << false
                                                              << (server ? "SQL-ként csak" : "not authorized") << 0;
        }
    }
    void runs()
    {
        QFETCH(QString, sql);
        QFETCH(bool, query);
        QFETCH(QString, refusal);
        QFETCH(int, rows);
        TempDatabase &temp = m_databases.current();
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        QSqlDatabase db = temp.warehouse(1);
        const QStringList partners = sqlRows(db, "SELECT \"PartAzon\" FROM \"Partner\" ORDER BY 1");
        const auto result = FreeSql::run(db, sql, query ? FreeSql::Mode::Query : FreeSql::Mode::Statement, 1);
        if (refusal.isEmpty()) {
            QVERIFY2(result.ok(), qPrintable(result.refusal.text));
            QCOMPARE(result.value.rowsAffected, rows);
        } else {
            QVERIFY(!result.ok());
            QCOMPARE(result.refusal.caption, QStringLiteral("HIBA!"));
            QVERIFY2(result.refusal.text.contains(refusal, Qt::CaseInsensitive), qPrintable(result.refusal.text));
        }
        QCOMPARE(sqlRows(db, "SELECT \"PartAzon\" FROM \"Partner\" ORDER BY 1"), partners);
        // The connection writes as before afterwards: no bound is left behind.
        QVERIFY(FreeSql::run(db, "UPDATE \"Partner\" SET \"Mobil\" = 'x'", FreeSql::Mode::Statement, 1).ok());
    }
};

QTEST_GUILESS_MAIN(TestFreeSql)
#include "tst_freesql.moc"
