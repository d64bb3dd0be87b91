#include "master/Partners.h"
#include "menu/Headcount.h"
#include "stock/StockLedger.h"
#include "store/Database.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// A write that the database turns down says why, in Hungarian: another computer writing, or a
// warehouse file found damaged when it was opened (nothing is written into it then).
class TestWriteFailures : public QObject
{
    Q_OBJECT

    static QString busyLine() { return QStringLiteral("\rOka: egy másik gép éppen ír, próbálja újra."); }
    static QString damagedLine()
    {
        return QStringLiteral(
            "\rOka: az adatbázisfájl sérült, futtassa le az adatbázis javítását (Egyebek -> Adatbázis javító).");
    }

    // Runs one writer on warehouse 1; its refusal's text.
    static QString write(const QString &writer, QSqlDatabase db)
    {
        if (writer == QLatin1String("partner")) {
            PartnerEntry entry;
            entry.id = QStringLiteral("00020");
            entry.name = QStringLiteral("Gabona Kft.");
            entry.postalCode = QStringLiteral("1111");
            entry.settlement = QStringLiteral("Budapest");
            entry.street = QStringLiteral("Fő utca 2.");
            return Partners::insert(db, entry).text;
        }
        if (writer == QLatin1String("headcount"))
            return Headcount::save(db, QDate(2025, 3, 3), QStringLiteral("01"), 40, QDate(2024, 12, 31)).text;
        StockLedger ledger(db, StockOptions {QStringLiteral("anna"), false});
        return ledger.record(StockFixture::receipt(QStringLiteral("00000001"), QDate(2025, 3, 3), QStringLiteral("0001"), 2,
                                 QStringLiteral("100")))
            .refusal.text;
    }

    static int rows(QSqlDatabase db)
    {
        QSqlQuery query(db);
        return query.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM \"Partner\" WHERE \"PartAzon\" = '00020') + "
                                         "(SELECT COUNT(*) FROM \"Letszam\") + (SELECT COUNT(*) FROM \"Raktar\")"))
                && query.next()
            ? query.value(0).toInt()
            : -1;
    }

    static void addWriters()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("message");
        QTest::newRow("partner") << "partner" << "Az adatbázis írása nem sikerült, az adat nem változott!";
        QTest::newRow("headcount") << "headcount" << "Az adatbázis írása nem sikerült, az adat nem változott!";
        QTest::newRow("voucher") << "voucher" << "Az adatbázis írása nem sikerült, az adat nem változott!";
    }

private slots:
    // Another computer holds the warehouse's write lock longer than this one waits.
    void anotherWriterIsNamed_data() { addWriters(); }
    void anotherWriterIsNamed()
    {
        QFETCH(QString, writer);
        QFETCH(QString, message);
        TempDatabase db(QDate(2025, 3, 1));
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase warehouse = db.warehouse(1);
        StockFixture::addMaterial(warehouse, QStringLiteral("100"), QStringLiteral("0001"), QStringLiteral("Liszt"));
        QVERIFY(QSqlQuery(warehouse).exec(QStringLiteral("PRAGMA busy_timeout = 50")));
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("masik gep"));
            other.setDatabaseName(Database::warehouseFile(db.path(), 1));
            QVERIFY(other.open());
            QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE")));
            QCOMPARE(write(writer, warehouse), message + busyLine());
            QVERIFY(QSqlQuery(other).exec(QStringLiteral("ROLLBACK")));
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("masik gep"));
        QCOMPARE(rows(warehouse), 0);
    }

    // A page of the warehouse file zeroed: found at opening, every write is refused with the
    // pointer to the repair, and the file stays as it was.
    void damagedWarehouseTakesNoWrites_data() { addWriters(); }
    void damagedWarehouseTakesNoWrites()
    {
        QFETCH(QString, writer);
        QFETCH(QString, message);
        TempDatabase db(QDate(2025, 3, 1));
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        StockFixture::addMaterial(db.warehouse(1), QStringLiteral("100"), QStringLiteral("0001"), QStringLiteral("Liszt"));
        qint64 offset = 0;
        qint64 pageSize = 0;
        {
            QSqlQuery query(db.warehouse(1));
            QVERIFY(query.exec(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'Veszteseg'")) && query.next());
            const qint64 page = query.value(0).toLongLong();
            QVERIFY(query.exec(QStringLiteral("PRAGMA page_size")) && query.next());
            pageSize = query.value(0).toLongLong();
            offset = (page - 1) * pageSize;
        }
        Database::closeAll(db.path());
        QFile file(Database::warehouseFile(db.path(), 1));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(offset));
        QCOMPARE(file.write(QByteArray(pageSize, '\0')), pageSize);
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        QCOMPARE(write(writer, db.warehouse(1)), message + damagedLine());
        Database::closeAll(db.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == before);
    }
};

QTEST_GUILESS_MAIN(TestWriteFailures)
#include "tst_writefailures.moc"
