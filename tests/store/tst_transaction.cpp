#include "store/Database.h"
#include "store/TransactionGuard.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestStoreTransaction : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QSqlDatabase db() const { return Database::warehouse(m_dir.path(), 1); }

    int count() const
    {
        QSqlQuery query(db());
        query.exec(QStringLiteral("SELECT COUNT(*) FROM Sor"));
        return query.next() ? query.value(0).toInt() : -1;
    }

    bool insert(int value) const
    {
        QSqlQuery query(db());
        query.prepare(QStringLiteral("INSERT INTO Sor (Ertek) VALUES (?)"));
        query.addBindValue(value);
        return query.exec();
    }

private slots:
    void init()
    {
        QVERIFY(QDir().mkpath(Database::warehouseFolder(m_dir.path(), 1)));
        QSqlQuery query(db());
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Sor (Ertek INTEGER)")));
        QVERIFY(query.exec(QStringLiteral("DELETE FROM Sor")));
    }

    void cleanupTestCase() { Database::closeAll(m_dir.path()); }

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

    void commitKeepsEveryRow()
    {
        {
            TransactionGuard guard(db());
            QVERIFY(insert(1));
            QVERIFY(insert(2));
            QVERIFY(guard.commit());
            QVERIFY(!guard.isActive());
            QVERIFY(!guard.commit());
        }
        QCOMPARE(count(), 2);
        // Seen from another connection: the rows are on disk.
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(Database::warehouseFile(m_dir.path(), 1));
            QVERIFY(other.open());
            QSqlQuery query(other);
            QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM Sor")) && query.next());
            QCOMPARE(query.value(0).toInt(), 2);
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }

    // A second writer cannot start while the first holds the write lock, and can after its commit.
    void writersAreSerialised()
    {
        const QString name = QStringLiteral("second computer");
        {
            QSqlDatabase second = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            second.setDatabaseName(Database::warehouseFile(m_dir.path(), 1));
            second.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=50"));
            QVERIFY(second.open());

            auto first = std::make_unique<TransactionGuard>(db());
            QVERIFY(first->isActive());
            QVERIFY(insert(1));
            {
                TransactionGuard blocked(second);
                QVERIFY(!blocked.isActive());
                QVERIFY(!blocked.commit());
            }
            QVERIFY(first->commit());
            first.reset();
            {
                TransactionGuard next(second);
                QVERIFY(next.isActive());
                QSqlQuery query(second);
                QVERIFY(query.exec(QStringLiteral("INSERT INTO Sor (Ertek) VALUES (2)")));
                QVERIFY(next.commit());
            }
            QCOMPARE(count(), 2);
            second.close();
        }
        QSqlDatabase::removeDatabase(name);
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
