#include "reports/SqlReportQuery.h"

#include <QAbstractItemModel>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Money)

class TestReportsSqlReportQuery : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QSqlDatabase m_db;

    SqlReportQuery periodQuery()
    {
        return SqlReportQuery(m_db,
            QStringLiteral("SELECT BizSzam, TetelErtek FROM Raktar WHERE Datum BETWEEN ? AND ? ORDER BY BizSzam"),
            [](const ReportParameters &parameters) {
                return QVariantList {parameters.from.toString(Qt::ISODate), parameters.to.toString(Qt::ISODate)};
            },
            [](const SqlReportQuery &query) {
                return QStringLiteral("%1 tétel, %2").arg(query.rowCount()).arg(query.total("TetelErtek").toString());
            });
    }

private slots:
    void initTestCase()
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reportquery"));
        m_db.setDatabaseName(m_dir.filePath(QStringLiteral("raktar.sqlite")));
        QVERIFY(m_db.open());
        QSqlQuery query(m_db);
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE Raktar (BizSzam TEXT, Datum TEXT, TetelErtek REAL)")));
        // Amounts whose sum as doubles is not exact: 0.1 + 0.2 + 0.7 ...
        const QList<std::tuple<const char *, const char *, double>> rows = {{"00000001", "2005-01-31", 0.1},
            {"00000002", "2005-02-01", 0.2}, {"00000003", "2005-02-28", 0.7}, {"00000004", "2005-03-01", 1234.5678}};
        for (const auto &[number, date, value] : rows) {
            QVERIFY(query.prepare(QStringLiteral("INSERT INTO Raktar VALUES (?, ?, ?)")));
            query.addBindValue(QString::fromLatin1(number));
            query.addBindValue(QString::fromLatin1(date));
            query.addBindValue(value);
            QVERIFY(query.exec());
        }
    }

    // Columns: the period, the rows it gives and their exact total.
    void rowsAndTotalsOfAPeriod_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<Money>("total");
        QTest::newRow("February, both ends inside")
            << QDate(2005, 2, 1) << QDate(2005, 2, 28) << QStringList {"00000002", "00000003"} << Money::fromUnits(9000);
        QTest::newRow("three small amounts sum exactly")
            << QDate(2005, 1, 1) << QDate(2005, 2, 28) << QStringList {"00000001", "00000002", "00000003"}
            << Money::fromUnits(10000);
        QTest::newRow("one day") << QDate(2005, 3, 1) << QDate(2005, 3, 1) << QStringList {"00000004"}
                                 << Money::fromUnits(12345678);
        QTest::newRow("empty period") << QDate(2004, 1, 1) << QDate(2004, 12, 31) << QStringList() << Money();
    }
    void rowsAndTotalsOfAPeriod()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, numbers);
        QFETCH(Money, total);
        SqlReportQuery query = periodQuery();
        ReportParameters parameters;
        parameters.from = from;
        parameters.to = to;
        QCOMPARE(query.run(parameters), Refusal());
        QStringList found;
        for (int row = 0; row < query.rows()->rowCount(); ++row)
            found << query.rows()->index(row, 0).data().toString();
        QCOMPARE(found, numbers);
        QCOMPARE(query.total(QStringLiteral("TetelErtek")), total);
        QCOMPARE(query.totals(), QStringLiteral("%1 tétel, %2").arg(numbers.size()).arg(total.toString()));
        QCOMPARE(query.total(QStringLiteral("Nincs")), Money());
    }

    // A failed run reports the database's reason and leaves no rows of an earlier run behind.
    void failureIsRefusedWithTheReason()
    {
        SqlReportQuery query = periodQuery();
        ReportParameters parameters;
        parameters.from = QDate(2005, 1, 1);
        parameters.to = QDate(2005, 12, 31);
        QCOMPARE(query.run(parameters), Refusal());
        QCOMPARE(query.rowCount(), 4);

        QSqlQuery rename(m_db);
        QVERIFY(rename.exec(QStringLiteral("ALTER TABLE Raktar RENAME TO RaktarFelre")));
        const Refusal refused = query.run(parameters);
        QVERIFY(rename.exec(QStringLiteral("ALTER TABLE RaktarFelre RENAME TO Raktar")));
        QCOMPARE(refused.caption, QStringLiteral("HIBA!"));
        QVERIFY2(refused.text.contains(QStringLiteral("Raktar")), qPrintable(refused.text));
        QCOMPARE(query.rowCount(), 0);
        QCOMPARE(query.total(QStringLiteral("TetelErtek")), Money());
    }
};

QTEST_GUILESS_MAIN(TestReportsSqlReportQuery)
#include "tst_sqlreportquery.moc"
