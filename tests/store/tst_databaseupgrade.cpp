#include "store/Catalogue.h"
#include "store/DatabaseUpgrade.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

// A warehouse made before the report indexes gets them once, on both engines.
class TestDatabaseUpgrade : public QObject
{
    Q_OBJECT

    static QStringList reportIndexes() { return {"Kiszabat_OrderDatumEtk", "Raktar_OrderDatumBK"}; }

    static bool hasIndex(QSqlDatabase db, const QString &name)
    {
        QSqlQuery query(db);
        query.prepare(Database::engineOf(db) == Database::Engine::PostgreSQL
                ? "SELECT COUNT(*) FROM pg_indexes WHERE schemaname = current_schema() AND indexname = ?"
                : "SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = ?");
        query.addBindValue(name);
        return query.exec() && query.next() && query.value(0).toInt() == 1;
    }

private slots:
    void missingIndexesAreAddedOnce_data() { TestEngines::addRows(); }
    void missingIndexesAreAddedOnce()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2024, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        const QSqlDatabase wh = db.warehouse(1);
        // A new database has them from the start.
        QStringList created;
        QString error;
        QVERIFY2(DatabaseUpgrade::addMissingIndexes(wh, &created, &error), qPrintable(error));
        QCOMPARE(created, QStringList());
        for (const QString &name : reportIndexes()) {
            QVERIFY(hasIndex(wh, name));
            QSqlQuery drop(wh);
            QVERIFY(drop.exec(QStringLiteral("DROP INDEX \"%1\"").arg(name)));
        }

        QVERIFY2(DatabaseUpgrade::addMissingIndexes(wh, &created, &error), qPrintable(error));
        created.sort();
        QCOMPARE(created, reportIndexes());
        for (const QString &name : reportIndexes())
            QVERIFY(hasIndex(wh, name));
        created.clear();
        QVERIFY(DatabaseUpgrade::addMissingIndexes(wh, &created, &error));
        QCOMPARE(created, QStringList());
    }

    // A table that is gone is the repair's to make; the other tables still get their indexes.
    void aMissingTableIsLeftToTheRepair_data() { TestEngines::addRows(); }
    void aMissingTableIsLeftToTheRepair()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2024, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        const QSqlDatabase wh = db.warehouse(1);
        QSqlQuery query(wh);
        QVERIFY(query.exec("DROP TABLE \"Kiszabat\""));
        QVERIFY(query.exec("DROP INDEX \"Raktar_OrderDatumBK\""));
        QStringList created;
        QString error;
        QVERIFY2(DatabaseUpgrade::addMissingIndexes(wh, &created, &error), qPrintable(error));
        QCOMPARE(created, QStringList {"Raktar_OrderDatumBK"});
    }
};

QTEST_GUILESS_MAIN(TestDatabaseUpgrade)
#include "tst_databaseupgrade.moc"
