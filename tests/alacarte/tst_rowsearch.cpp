#include "alacarte/RowSearch.h"

#include <QtTest>

namespace {

struct Row
{
    QDate date;
    QString name;
};

} // namespace

class TestRowSearch : public QObject
{
    Q_OBJECT

private slots:
    void find_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byDate");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("refusal");
        const QString noDate = QStringLiteral("Hibás keresési értékadás!\rA megadott érték nem dátum!");
        const QString notFound = QStringLiteral("A keresett elem nem található!");
        QTest::newRow("name prefix, any case") << QStringLiteral(" gulyás") << false << 1 << QString();
        QTest::newRow("first of two matches") << QStringLiteral("Gu") << false << 1 << QString();
        QTest::newRow("no name") << QStringLiteral("Rántott") << false << -1 << notFound;
        QTest::newRow("date") << QStringLiteral("2026.03.05") << true << 2 << QString();
        QTest::newRow("date of no row") << QStringLiteral("2026.03.09") << true << -1 << notFound;
        QTest::newRow("not a date") << QStringLiteral("Gulyás") << true << -1 << noDate;
    }

    void find()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byDate);
        QFETCH(int, row);
        QFETCH(QString, refusal);
        const QList<Row> rows{{QDate(2026, 3, 4), QStringLiteral("Bableves")},
            {QDate(2026, 3, 4), QStringLiteral("Gulyásleves")}, {QDate(2026, 3, 5), QStringLiteral("Gulyás tál")}};
        const Checked<int> found = RowSearch::find(rows, typed, byDate, [](const Row &r) { return r.date; },
            [](const Row &r) { return r.name; });
        QCOMPARE(found.ok() ? found.value : -1, row);
        QCOMPARE(found.refusal.text, refusal);
    }
};

QTEST_GUILESS_MAIN(TestRowSearch)
#include "tst_rowsearch.moc"
