#include "store/PreparedStatement.h"
#include "store/Sql.h"
#include "store/TransactionGuard.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// The hot-loop statement: the same values in and out as through Qt, inside the connection's
// transaction, on both engines.
class TestStorePreparedStatement : public QObject
{
    Q_OBJECT
private:
    EngineDatabases m_databases {QDate(2025, 1, 10)};

    QSqlDatabase warehouse() { return m_databases.current().warehouse(2); }

    int count(const QString &where)
    {
        QSqlQuery query(warehouse());
        if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE ") + where) || !query.next())
            return -1;
        return query.value(0).toInt();
    }

    struct Row
    {
        QString bizSzam;
        QString partAzon;
        double quantity;
        QString amount;
        QDate date;
    };

    static bool insert(PreparedStatement &statement, const Row &row)
    {
        statement.bindText(0, row.bizSzam);
        statement.bindText(1, row.partAzon);
        statement.bindReal(2, row.quantity);
        statement.bindMoney(3, Money::fromText(row.amount).value());
        statement.bindDate(4, row.date);
        if (statement.exec())
            return true;
        qWarning("%s", qPrintable(statement.error()));
        return false;
    }

    static QString insertSql()
    {
        return QStringLiteral("INSERT INTO \"Raktar\" (\"BizSzam\", \"PartAzon\", \"TetelMenny\", \"BeAr\", "
                              "\"Datum\") VALUES (?, ?, ?, ?, ?)");
    }

private slots:
    void init()
    {
        QVERIFY2(m_databases.current().isValid(), qPrintable(m_databases.current().errorText()));
        QSqlQuery(warehouse()).exec(QStringLiteral("DELETE FROM \"Raktar\""));
    }

    // Text with accents, an empty text (not NULL), quantities, exact amounts and dates (a missing
    // one as NULL) go in and come back, read through the statement and through Qt alike.
    void valuesRoundTrip_data() { TestEngines::addRows(); }
    void valuesRoundTrip()
    {
        const QList<Row> rows {
            {QStringLiteral("Őrség ű"), QString(QLatin1String("")), 2.5, QStringLiteral("1234.5678"),
                QDate(2025, 2, 28)},
            {QStringLiteral("00000002"), QStringLiteral("00001"), -0.125, QStringLiteral("-98765.4321"), QDate()},
            {QStringLiteral("00000003"), QStringLiteral("00002"), 1e-3, QStringLiteral("99999999999.9999"),
                QDate(2025, 12, 31)},
        };
        {
            PreparedStatement statement(warehouse(), insertSql());
            QVERIFY2(statement.isValid(), qPrintable(statement.error()));
            for (const Row &row : rows)
                QVERIFY(insert(statement, row));
        }
        QCOMPARE(count(QStringLiteral("\"PartAzon\" = ''")), 1);
        QCOMPARE(count(QStringLiteral("\"PartAzon\" IS NULL")), 0);
        QCOMPARE(count(QStringLiteral("\"Datum\" IS NULL")), 1);

        QSqlQuery qt(warehouse());
        QVERIFY(qt.exec(QStringLiteral("SELECT \"BeAr\", \"Datum\" FROM \"Raktar\" ORDER BY \"RaktAzon\"")));
        QStringList amounts;
        QList<QDate> dates;
        while (qt.next()) {
            amounts << Sql::toMoney(qt.value(0)).toString();
            dates << Sql::toDate(qt.value(1));
        }
        qt.finish();
        PreparedStatement read(warehouse(),
            QStringLiteral("SELECT \"RaktAzon\", \"BizSzam\", \"PartAzon\", \"TetelMenny\", \"BeAr\", \"Datum\" "
                           "FROM \"Raktar\" ORDER BY \"RaktAzon\""));
        QVERIFY(read.exec());
        qint64 lastId = 0;
        for (const Row &row : rows) {
            QVERIFY(read.next());
            QVERIFY(read.integer(0) > lastId);
            lastId = read.integer(0);
            QCOMPARE(read.text(1), row.bizSzam);
            QCOMPARE(read.text(2), row.partAzon);
            QCOMPARE(read.real(3), row.quantity);
            QCOMPARE(read.money(4).toString(), row.amount);
            QCOMPARE(amounts.takeFirst(), row.amount);
            QCOMPARE(dates.takeFirst(), row.date);
            QCOMPARE(read.text(5), row.date.isValid() ? row.date.toString(Qt::ISODate) : QString());
        }
        QVERIFY(!read.next());
        QVERIFY(read.error().isEmpty());
    }

    // A write through the statement is part of the connection's transaction: rolled back with it,
    // kept by its commit. A read finished halfway does not stop the commit.
    void writesBelongToTheTransaction_data() { TestEngines::addRows(); }
    void writesBelongToTheTransaction()
    {
        const Row row {QStringLiteral("00000001"), QStringLiteral("00001"), 1, QStringLiteral("10"), QDate(2025, 3, 1)};
        PreparedStatement statement(warehouse(), insertSql());
        {
            TransactionGuard guard(warehouse());
            QVERIFY(guard.isActive());
            QVERIFY(insert(statement, row));
            QVERIFY(insert(statement, row));
        }
        QCOMPARE(count(QStringLiteral("TRUE")), 0);

        PreparedStatement read(warehouse(), QStringLiteral("SELECT \"RaktAzon\" FROM \"Raktar\" ORDER BY \"RaktAzon\""));
        {
            TransactionGuard guard(warehouse());
            QVERIFY(insert(statement, row));
            QVERIFY(insert(statement, row));
            QVERIFY(read.exec());
            QVERIFY(read.next());
            read.finish();
            QVERIFY(insert(statement, row));
            QVERIFY2(guard.commit(), qPrintable(warehouse().lastError().text()));
        }
        QCOMPARE(count(QStringLiteral("\"BizSzam\" = '00000001'")), 3);
    }

    // SQL that cannot be prepared, and a write the database refuses, say so with its reason.
    void failuresAreReported_data() { TestEngines::addRows(); }
    void failuresAreReported()
    {
        PreparedStatement broken(warehouse(), QStringLiteral("SELECT \"RaktAzon\" FROM \"NincsIlyen\""));
        QVERIFY(!broken.isValid());
        QVERIFY(!broken.error().isEmpty());

        PreparedStatement keyed(warehouse(), QStringLiteral("INSERT INTO \"Raktar\" (\"RaktAzon\") VALUES (?)"));
        QVERIFY(keyed.isValid());
        keyed.bindInteger(0, 77);
        QVERIFY(keyed.exec());
        QVERIFY(keyed.error().isEmpty());
        QVERIFY(!keyed.exec());
        QVERIFY(!keyed.error().isEmpty());
        QCOMPARE(count(QStringLiteral("\"RaktAzon\" = 77")), 1);
    }
};

QTEST_GUILESS_MAIN(TestStorePreparedStatement)
#include "tst_preparedstatement.moc"
