#include "store/Database.h"
#include "store/EngineError.h"
#include "store/TransactionGuard.h"
#include "support/TestEngines.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString diskFull = QStringLiteral("a lemez megtelt");
const QString busy = QStringLiteral("egy másik gép éppen ír, próbálja újra");
const QString damaged
    = QStringLiteral("az adatbázisfájl sérült, futtassa le az adatbázis javítását (Egyebek -> Adatbázis javító)");
const QString badHeader = QStringLiteral("az adatbázisfájl fejléce sérült, vagy a fájl nem adatbázis");
const QString readOnly = QStringLiteral("az adatbázis csak olvasható (írásvédett lemez, mappa vagy fájl)");

bool exec(QSqlDatabase db, const QString &sql)
{
    QSqlQuery query(db);
    return query.exec(sql);
}

int count(QSqlDatabase db)
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT COUNT(*) FROM \"Sor\"")) && query.next() ? query.value(0).toInt() : -1;
}

// Warehouse 1 of a folder with a table of `rows` rows, closed so that everything is in the file.
bool makeWarehouse(const QString &dir, int rows)
{
    if (!QDir().mkpath(Database::warehouseFolder(dir, 1)))
        return false;
    {
        QSqlDatabase db = Database::warehouse(dir, 1);
        if (!exec(db, QStringLiteral("CREATE TABLE \"Sor\" (\"Ertek\" INTEGER, \"Szoveg\" TEXT)"))
            || !exec(db, QStringLiteral("CREATE INDEX \"SorErtek\" ON \"Sor\" (\"Ertek\")")))
            return false;
        TransactionGuard guard(db);
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO \"Sor\" VALUES (?, ?)"));
        for (int n = 0; n < rows; ++n) {
            insert.addBindValue(n);
            insert.addBindValue(QString(60, QLatin1Char('a' + n % 26)));
            if (!insert.exec())
                return false;
        }
        if (!guard.commit())
            return false;
    }
    Database::closeAll(dir);
    return true;
}

// Overwrites `length` bytes of the file at `offset` with zeros, as a failing disk leaves it.
bool zero(const QString &file, qint64 offset, qint64 length)
{
    QFile f(file);
    return f.open(QIODevice::ReadWrite) && f.seek(offset) && f.write(QByteArray(length, '\0')) == length;
}

} // namespace

// Engine failures reach the user as their Hungarian cause: each case is made real on the engine.
class TestStoreEngineError : public QObject
{
    Q_OBJECT
private slots:
    // No room left for the file (SQLite's page limit stands for a full disk): the statement's
    // error, and the guard's commit when the last page is taken there, both say the disk is full.
    void fullDiskSaysSo()
    {
        QTemporaryDir dir;
        QVERIFY(makeWarehouse(dir.path(), 10));
        QSqlDatabase db = Database::warehouse(dir.path(), 1);
        QSqlQuery pages(db);
        QVERIFY(pages.exec(QStringLiteral("PRAGMA page_count")) && pages.next());
        QVERIFY(exec(db, QStringLiteral("PRAGMA max_page_count = %1").arg(pages.value(0).toInt())));
        {
            TransactionGuard guard(db);
            QVERIFY(guard.isActive());
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO \"Sor\" VALUES (1, ?)"));
            insert.addBindValue(QString(100000, QLatin1Char('x')));
            QVERIFY(!insert.exec());
            QCOMPARE(EngineError::kindOf(insert.lastError()), EngineError::Kind::DiskFull);
            QCOMPARE(EngineError::cause(insert.lastError()), diskFull);
        }
        QCOMPARE(count(db), 10);
        Database::closeAll(dir.path());
    }

    // Another computer holds the write lock: the guard that gives up waiting names it.
    void anotherWriterSaysSo_data() { TestEngines::addRows(); }
    void anotherWriterSaysSo()
    {
        QFETCH(QString, engine);
        QTemporaryDir dir;
        QString location = dir.path();
        if (engine == TestEngines::postgresql()) {
            location = TestEngines::createServerDatabase();
            QVERIFY(!location.isEmpty());
            QVERIFY(exec(Database::shared(location), QStringLiteral("CREATE SCHEMA raktar_1")));
            QVERIFY(exec(Database::warehouse(location, 1), QStringLiteral("CREATE TABLE \"Sor\" (\"Ertek\" INTEGER)")));
        } else {
            QVERIFY(makeWarehouse(location, 1));
        }
        QSqlDatabase first = Database::warehouse(location, 1);
        QSqlDatabase second;
        if (engine == TestEngines::postgresql()) {
            second = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("masik#raktar_1"));
            second.setConnectOptions(Database::connectionInfo(location));
            QVERIFY(second.open());
            QVERIFY(exec(second, QStringLiteral("SET lock_timeout TO 50")));
        } else {
            second = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("masik#raktar_1"));
            second.setDatabaseName(Database::warehouseFile(location, 1));
            second.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=50"));
            QVERIFY(second.open());
        }
        {
            TransactionGuard holder(first);
            QVERIFY(holder.isActive());
            TransactionGuard blocked(second);
            QVERIFY(!blocked.isActive());
            QCOMPARE(blocked.errorText(), busy);
            QCOMPARE(EngineError::cause(blocked.error()), busy);
        }
        second.close();
        second = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("masik#raktar_1"));
        Database::closeAll(location);
        if (engine == TestEngines::postgresql())
            TestEngines::dropServerDatabase(location);
    }

    // A file that cannot be written (opened read-only, as from a write-protected medium).
    void readOnlyFileSaysSo()
    {
        QTemporaryDir dir;
        QVERIFY(makeWarehouse(dir.path(), 3));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("csakolvashato"));
        db.setDatabaseName(Database::warehouseFile(dir.path(), 1));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QVERIFY(db.open());
        QSqlQuery insert(db);
        QVERIFY(!insert.exec(QStringLiteral("INSERT INTO \"Sor\" VALUES (4, 'x')")));
        QCOMPARE(EngineError::cause(insert.lastError()), readOnly);
        insert = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("csakolvashato"));
    }

    // A warehouse file with zeroed pages in its middle, or a damaged header: the quick check at
    // opening finds it, and no transaction writes into it; the rows stay readable where they can.
    void damagedFileTakesNoWrites_data()
    {
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<qint64>("length");
        QTest::addColumn<QString>("cause");
        QTest::newRow("pages zeroed in the middle") << qint64(4096 * 4) << qint64(4096 * 3) << damaged;
        QTest::newRow("header zeroed") << qint64(0) << qint64(100) << badHeader;
    }
    void damagedFileTakesNoWrites()
    {
        QFETCH(qint64, offset);
        QFETCH(qint64, length);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        QVERIFY(makeWarehouse(dir.path(), 2000));
        QVERIFY(zero(Database::warehouseFile(dir.path(), 1), offset, length));
        const QByteArray before = [&] {
            QFile file(Database::warehouseFile(dir.path(), 1));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();

        QSqlDatabase db = Database::warehouse(dir.path(), 1);
        QCOMPARE(Database::damage(db), cause);
        {
            TransactionGuard guard(db);
            QVERIFY(!guard.isActive());
            QCOMPARE(guard.errorText(), cause);
            QCOMPARE(EngineError::cause(guard.error()), cause);
        }
        Database::closeAll(dir.path());
        QFile file(Database::warehouseFile(dir.path(), 1));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // A whole file is not taken for a damaged one.
    void wholeFileIsWritable()
    {
        QTemporaryDir dir;
        QVERIFY(makeWarehouse(dir.path(), 2000));
        QSqlDatabase db = Database::warehouse(dir.path(), 1);
        QVERIFY(Database::damage(db).isEmpty());
        TransactionGuard guard(db);
        QVERIFY(guard.isActive());
        QVERIFY(guard.commit());
        Database::closeAll(dir.path());
    }

    // An engine text without a Hungarian name is passed on; the closing line reads as a sentence.
    void otherFailuresKeepTheEngineText()
    {
        QCOMPARE(EngineError::cause(QSqlError(QStringLiteral("syntax error."), QString(), QSqlError::StatementError,
                     QStringLiteral("1"))),
            QStringLiteral("syntax error"));
        QCOMPARE(EngineError::cause(QSqlError()), QString());
        QCOMPARE(EngineError::causeLine(diskFull), QStringLiteral("\rOka: a lemez megtelt."));
        QCOMPARE(EngineError::causeLine(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestStoreEngineError)
#include "tst_engineerror.moc"
