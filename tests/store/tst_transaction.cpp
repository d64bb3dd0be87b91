#include "store/Database.h"
#include "store/TransactionGuard.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestStoreTransaction : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_server; // a database on the test server, when there is one

    QString location() const
    {
        QFETCH(QString, engine);
        return engine == TestEngines::postgresql() ? m_server : m_dir.path();
    }
    QSqlDatabase db() const { return Database::warehouse(location(), 1); }

    int count() const
    {
        QSqlQuery query(db());
        query.exec(QStringLiteral("SELECT COUNT(*) FROM \"Sor\""));
        return query.next() ? query.value(0).toInt() : -1;
    }

    QList<int> values() const
    {
        QSqlQuery query(db());
        query.exec(QStringLiteral("SELECT \"Ertek\" FROM \"Sor\" ORDER BY \"Ertek\""));
        QList<int> result;
        while (query.next())
            result << query.value(0).toInt();
        return result;
    }

    bool insert(int value) const
    {
        QSqlQuery query(db());
        query.prepare(QStringLiteral("INSERT INTO \"Sor\" (\"Ertek\") VALUES (?)"));
        query.addBindValue(value);
        return query.exec();
    }

    // A second connection into the same warehouse, as another computer would open it, that gives
    // up waiting for the write lock after 50 ms.
    QSqlDatabase secondComputer(const QString &name) const
    {
        QFETCH(QString, engine);
        QSqlDatabase second;
        if (engine == TestEngines::postgresql()) {
            second = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name + QStringLiteral("#raktar_1"));
            second.setConnectOptions(Database::connectionInfo(m_server));
            if (second.open()) {
                QSqlQuery(second).exec(QStringLiteral("SET search_path TO raktar_1"));
                QSqlQuery(second).exec(QStringLiteral("SET lock_timeout TO 50"));
            }
        } else {
            second = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            second.setDatabaseName(Database::warehouseFile(m_dir.path(), 1));
            second.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=50"));
            second.open();
        }
        return second;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(Database::warehouseFolder(m_dir.path(), 1)));
        if (TestEngines::names().contains(TestEngines::postgresql())) {
            m_server = TestEngines::createServerDatabase();
            QVERIFY(!m_server.isEmpty());
            QSqlQuery query(Database::shared(m_server));
            QVERIFY2(query.exec(QStringLiteral("CREATE SCHEMA raktar_1")), qPrintable(query.lastError().text()));
        }
    }

    void init()
    {
        if (!QTest::currentDataTag() || QByteArray(QTest::currentDataTag()).isEmpty())
            return;
        QSqlQuery query(db());
        QVERIFY2(query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS \"Sor\" (\"Ertek\" INTEGER)")),
            qPrintable(query.lastError().text()));
        QVERIFY(query.exec(QStringLiteral("DELETE FROM \"Sor\"")));
    }

    void cleanupTestCase()
    {
        Database::closeAll(m_dir.path());
        if (!m_server.isEmpty())
            TestEngines::dropServerDatabase(m_server);
    }

    void destroyedWithoutCommitTakesEverythingBack_data() { TestEngines::addRows(); }
    void destroyedWithoutCommitTakesEverythingBack()
    {
        {
            TransactionGuard guard(db());
            QVERIFY(guard.isActive());
            QVERIFY(insert(1));
            QVERIFY(insert(2));
            QCOMPARE(count(), 2);
        }
        QCOMPARE(count(), 0);
        // The connection is usable again afterwards, outside any transaction.
        QVERIFY(insert(3));
        QCOMPARE(count(), 1);
    }

    void commitKeepsEveryRow_data() { TestEngines::addRows(); }
    void commitKeepsEveryRow()
    {
        {
            TransactionGuard guard(db());
            QVERIFY(insert(1));
            QVERIFY(insert(2));
            QVERIFY(guard.commit());
            QVERIFY(guard.errorText().isEmpty());
            QVERIFY(!guard.isActive());
            QVERIFY(!guard.commit());
        }
        QCOMPARE(count(), 2);
        // Seen from another connection: the rows are written.
        {
            QSqlDatabase other = secondComputer(QStringLiteral("other"));
            QVERIFY(other.isOpen());
            QSqlQuery query(other);
            QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM \"Sor\"")) && query.next());
            QCOMPARE(query.value(0).toInt(), 2);
            other.close();
        }
        for (const QString &name : QSqlDatabase::connectionNames()) {
            if (name.startsWith(QLatin1String("other")))
                QSqlDatabase::removeDatabase(name);
        }
    }

    // A second writer cannot start while the first holds the write lock, and can after its commit.
    void writersAreSerialised_data() { TestEngines::addRows(); }
    void writersAreSerialised()
    {
        const QString name = QStringLiteral("second computer");
        {
            QSqlDatabase second = secondComputer(name);
            QVERIFY(second.isOpen());

            auto first = std::make_unique<TransactionGuard>(db());
            QVERIFY(first->isActive());
            QVERIFY(insert(1));
            {
                TransactionGuard blocked(second);
                QVERIFY(!blocked.isActive());
                QVERIFY(!blocked.errorText().isEmpty());
                QVERIFY(!blocked.commit());
            }
            QVERIFY(first->commit());
            first.reset();
            {
                TransactionGuard next(second);
                QVERIFY2(next.isActive(), qPrintable(next.errorText()));
                QSqlQuery query(second);
                QVERIFY(query.exec(QStringLiteral("INSERT INTO \"Sor\" (\"Ertek\") VALUES (2)")));
                QVERIFY(next.commit());
            }
            QCOMPARE(count(), 2);
            second.close();
        }
        for (const QString &connection : QSqlDatabase::connectionNames()) {
            if (connection.startsWith(name))
                QSqlDatabase::removeDatabase(connection);
        }
    }

    // An inner guard is a savepoint: its rollback takes back its own rows only, its commit keeps
    // them only as far as the outer transaction is committed.
    void nestedGuards_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<bool>("innerCommits");
        QTest::addColumn<bool>("outerCommits");
        QTest::addColumn<QList<int>>("kept");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, inner rolled back, outer committed", qPrintable(engine))
                << engine << false << true << QList<int> {1, 4};
            QTest::addRow("%s, inner committed, outer rolled back", qPrintable(engine))
                << engine << true << false << QList<int> {};
            QTest::addRow("%s, both committed", qPrintable(engine)) << engine << true << true << QList<int> {1, 2, 3, 4};
        }
    }
    void nestedGuards()
    {
        QFETCH(bool, innerCommits);
        QFETCH(bool, outerCommits);
        QFETCH(QList<int>, kept);
        {
            TransactionGuard outer(db());
            QVERIFY(outer.isActive());
            QVERIFY(!outer.isNested());
            QVERIFY(insert(1));
            {
                TransactionGuard inner(db());
                QVERIFY2(inner.isActive(), qPrintable(inner.errorText()));
                QVERIFY(inner.isNested());
                QVERIFY(insert(2));
                {
                    // Two levels down: committed into the inner part and shared by its fate.
                    TransactionGuard innermost(db());
                    QVERIFY(innermost.isNested());
                    QVERIFY(insert(3));
                    QVERIFY(innermost.commit());
                }
                if (innerCommits)
                    QVERIFY(inner.commit());
            }
            QVERIFY(insert(4));
            if (outerCommits)
                QVERIFY2(outer.commit(), qPrintable(outer.errorText()));
        }
        QCOMPARE(values(), kept);
        // Everything is closed: a new guard is an outer one again.
        TransactionGuard after(db());
        QVERIFY(after.isActive());
        QVERIFY(!after.isNested());
    }

    // A COMMIT that the database refuses keeps its reason for the message, and writes nothing.
    void refusedCommitKeepsItsReason_data() { TestEngines::addRows(); }
    void refusedCommitKeepsItsReason()
    {
        QFETCH(QString, engine);
        QSqlQuery setup(db());
        // A constraint checked only at COMMIT.
        if (engine == TestEngines::postgresql()) {
            QVERIFY(setup.exec(QStringLiteral("DROP TABLE IF EXISTS \"Egyedi\"")));
            QVERIFY(setup.exec(QStringLiteral(
                "CREATE TABLE \"Egyedi\" (\"Kod\" INTEGER, UNIQUE (\"Kod\") DEFERRABLE INITIALLY DEFERRED)")));
        } else {
            QVERIFY(setup.exec(QStringLiteral("PRAGMA foreign_keys = ON")));
            QVERIFY(setup.exec(QStringLiteral("DROP TABLE IF EXISTS \"Egyedi\"")));
            QVERIFY(setup.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS \"Szulo\" (\"Kod\" INTEGER PRIMARY KEY)")));
            QVERIFY(setup.exec(QStringLiteral("CREATE TABLE \"Egyedi\" (\"Kod\" INTEGER REFERENCES \"Szulo\" (\"Kod\") "
                                              "DEFERRABLE INITIALLY DEFERRED)")));
        }
        {
            TransactionGuard guard(db());
            QVERIFY(insert(7));
            QSqlQuery query(db());
            QVERIFY(query.exec(QStringLiteral("INSERT INTO \"Egyedi\" (\"Kod\") VALUES (1)")));
            QVERIFY(query.exec(QStringLiteral("INSERT INTO \"Egyedi\" (\"Kod\") VALUES (1)")));
            QVERIFY(!guard.commit());
            const QString reason = guard.errorText();
            QVERIFY2(reason.contains(QLatin1String("constraint"), Qt::CaseInsensitive)
                    || reason.contains(QLatin1String("unique"), Qt::CaseInsensitive),
                qPrintable(reason));
        }
        QCOMPARE(count(), 0);
        if (engine == TestEngines::sqlite())
            QVERIFY(setup.exec(QStringLiteral("PRAGMA foreign_keys = OFF")));
    }

    // On a server, a statement that failed inside the transaction aborts it: COMMIT is refused
    // with a reason instead of the server's silent rollback.
    void serverCommitAfterAFailedStatementIsRefused()
    {
        if (!TestEngines::names().contains(TestEngines::postgresql()))
            QSKIP("no test server");
        QSqlDatabase warehouse = Database::warehouse(m_server, 1);
        QSqlQuery(warehouse).exec(QStringLiteral("CREATE TABLE IF NOT EXISTS \"Sor\" (\"Ertek\" INTEGER)"));
        QSqlQuery(warehouse).exec(QStringLiteral("DELETE FROM \"Sor\""));
        {
            TransactionGuard guard(warehouse);
            QSqlQuery query(warehouse);
            QVERIFY(query.exec(QStringLiteral("INSERT INTO \"Sor\" (\"Ertek\") VALUES (1)")));
            QVERIFY(!query.exec(QStringLiteral("INSERT INTO \"Nincs\" VALUES (1)")));
            QVERIFY(!guard.commit());
            QVERIFY(!guard.errorText().isEmpty());
        }
        QSqlQuery query(warehouse);
        QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM \"Sor\"")) && query.next());
        QCOMPARE(query.value(0).toInt(), 0);
    }

    // A connection lost in the middle of a write: the server takes the write back, the commit
    // says so, and the next use of the warehouse connects anew.
    void lostConnectionRollsBackWithAClearMessage()
    {
        if (!TestEngines::names().contains(TestEngines::postgresql()))
            QSKIP("no test server");
        QSqlDatabase warehouse = Database::warehouse(m_server, 1);
        QSqlQuery(warehouse).exec(QStringLiteral("CREATE TABLE IF NOT EXISTS \"Sor\" (\"Ertek\" INTEGER)"));
        QSqlQuery(warehouse).exec(QStringLiteral("DELETE FROM \"Sor\""));
        {
            TransactionGuard guard(warehouse);
            QVERIFY(guard.isActive());
            QSqlQuery query(warehouse);
            QVERIFY(query.exec(QStringLiteral("INSERT INTO \"Sor\" (\"Ertek\") VALUES (1)")));
            QVERIFY(query.exec(QStringLiteral("SELECT pg_backend_pid()")) && query.next());
            const qint64 pid = query.value(0).toLongLong();
            query.finish();
            // The server ends the connection, as when it restarts.
            QSqlQuery killer(Database::shared(m_server));
            killer.prepare(QStringLiteral("SELECT pg_terminate_backend(?)"));
            killer.addBindValue(pid);
            QVERIFY(killer.exec());
            // Until the backend is gone, the inserts land in the transaction it takes with it.
            QTRY_VERIFY(!query.exec(QStringLiteral("INSERT INTO \"Sor\" (\"Ertek\") VALUES (2)")));
            QVERIFY(!guard.commit());
            QCOMPARE(guard.errorText(), QStringLiteral("megszakadt a kapcsolat az adatbázis-kiszolgálóval"));
        }
        QSqlQuery query(Database::warehouse(m_server, 1));
        QVERIFY2(query.exec(QStringLiteral("SELECT COUNT(*) FROM \"Sor\"")) && query.next(),
            qPrintable(query.lastError().text()));
        QCOMPARE(query.value(0).toInt(), 0);
    }

    void closedDatabaseGivesAnInactiveGuard()
    {
        QSqlDatabase closed;
        TransactionGuard guard(closed);
        QVERIFY(!guard.isActive());
        QVERIFY(!guard.commit());
    }
};

QTEST_GUILESS_MAIN(TestStoreTransaction)
#include "tst_transaction.moc"
