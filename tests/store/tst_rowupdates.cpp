#include "store/PreparedStatement.h"
#include "store/RowUpdates.h"
#include "store/StatementSet.h"
#include "store/TransactionGuard.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// New values written into many rows at once: every value exact, the columns a row keeps
// untouched, and a failure reported.
class TestStoreRowUpdates : public QObject
{
    Q_OBJECT
private:
    static bool exec(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery query(db);
        if (query.exec(sql))
            return true;
        qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        return false;
    }

    static double quantity(int id) { return id / 3.0 - 7; }
    static Money value(int id) { return Money::fromUnits((id % 2 ? -1 : 1) * qint64(id) * 1234567); }
    static Money price(int id) { return Money::fromUnits(qint64(id) * 10001); }

    static const Money Kept;

private slots:
    // More rows than the server takes in one statement; every third row sets all columns, the
    // others the quantity and the value only, and the rows not named keep everything.
    void writesTheSetColumnsOnly_data() { TestEngines::addRows(); }
    void writesTheSetColumnsOnly()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase wh = db.warehouse(1);
        const QString real = db.isServer() ? QStringLiteral("DOUBLE PRECISION") : QStringLiteral("REAL");
        const QString money = db.isServer() ? QStringLiteral("NUMERIC(19,4)") : QStringLiteral("REAL");
        QVERIFY(exec(wh,
            QStringLiteral("CREATE TABLE \"Proba\" (\"Azon\" INTEGER PRIMARY KEY, \"Menny\" %1, \"Ertek\" %2, "
                           "\"Ar\" %2)")
                .arg(real, money)));
        const int count = 12001;
        QVERIFY(exec(wh,
            QStringLiteral("INSERT INTO \"Proba\" (\"Azon\", \"Menny\", \"Ertek\", \"Ar\") "
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "SELECT i, 1.5, 12.5, 12.5 FROM n")
                .arg(count)));

        RowUpdates updates(wh, QStringLiteral("Proba"), QStringLiteral("Azon"),
            {{QStringLiteral("Menny"), RowUpdates::Type::Real}, {QStringLiteral("Ertek"), RowUpdates::Type::Money},
                {QStringLiteral("Ar"), RowUpdates::Type::Money}});
        for (int id = 1; id <= count; ++id) {
            if (id % 5 == 0)
                continue;
            updates.row(id);
            updates.setReal(0, quantity(id));
            updates.setMoney(1, value(id));
            if (id % 3 == 0)
                updates.setMoney(2, price(id));
        }
        {
            TransactionGuard guard(wh);
            QCOMPARE(updates.write(), QString());
            QVERIFY(guard.commit());
        }
        QCOMPARE(updates.size(), 0);

        PreparedStatement *read = StatementSet::of(wh).statement(
            QStringLiteral("SELECT \"Azon\", \"Menny\", \"Ertek\", \"Ar\" FROM \"Proba\" ORDER BY \"Azon\""));
        QVERIFY(read);
        QVERIFY2(read->exec(), qPrintable(read->error()));
        int seen = 0;
        while (read->next()) {
            const int id = int(read->integer(0));
            ++seen;
            const bool named = id % 5 != 0;
            QCOMPARE(read->real(1), named ? quantity(id) : 1.5);
            QCOMPARE(read->money(2), named ? value(id) : Kept);
            QCOMPARE(read->money(3), named && id % 3 == 0 ? price(id) : Kept);
        }
        QCOMPARE(read->error(), QString());
        QCOMPARE(seen, count);
    }

    // A write that fails says why and forgets its rows.
    void failureNamed_data() { TestEngines::addRows(); }
    void failureNamed()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        RowUpdates updates(db.warehouse(1), QStringLiteral("Nincs"), QStringLiteral("Azon"),
            {{QStringLiteral("Menny"), RowUpdates::Type::Real}});
        updates.row(1);
        updates.setReal(0, 2);
        QVERIFY(!updates.write().isEmpty());
        QCOMPARE(updates.size(), 0);
        QCOMPARE(updates.write(), QString());
    }
};

const Money TestStoreRowUpdates::Kept = Money::fromUnits(125000);

QTEST_GUILESS_MAIN(TestStoreRowUpdates)
#include "tst_rowupdates.moc"
