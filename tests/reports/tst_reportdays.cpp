#include "reports/ReportDays.h"

#include <QLocale>
#include <QtTest>

// The date rules of the report screens and the fixed Hungarian day names.
class TestReportDays : public QObject
{
    Q_OBJECT

private slots:
    void endDateMovesIntoTheStartYear_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("into an earlier year") << QDate(2005, 3, 1) << QDate(2006, 2, 10) << QDate(2005, 2, 10);
        QTest::newRow("29 February into a year without it")
            << QDate(2023, 1, 1) << QDate(2024, 2, 29) << QDate(2023, 2, 28);
        QTest::newRow("29 February into a leap year") << QDate(2024, 1, 1) << QDate(2023, 2, 28) << QDate(2024, 2, 28);
        QTest::newRow("the 31st stays in a long month") << QDate(2023, 1, 1) << QDate(2024, 12, 31)
                                                        << QDate(2023, 12, 31);
        QTest::newRow("same year unchanged") << QDate(2024, 1, 1) << QDate(2024, 2, 29) << QDate(2024, 2, 29);
    }
    void endDateMovesIntoTheStartYear()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QDate, expected);
        QCOMPARE(ReportDays::endInStartYear(from, to), expected);
    }

    void daysOfAMonth_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("count");
        QTest::newRow("leap February") << 2024 << 2 << 29;
        QTest::newRow("February") << 2023 << 2 << 28;
        QTest::newRow("April") << 2024 << 4 << 30;
        QTest::newRow("December") << 2024 << 12 << 31;
        QTest::newRow("no month") << 2024 << 13 << 0;
    }
    void daysOfAMonth()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, count);
        const QList<QDate> days = ReportDays::daysOfMonth(year, month);
        QCOMPARE(days.size(), count);
        if (count > 0)
            QCOMPARE(days.last(), QDate(year, month, count));
    }

    // The names do not follow the machine's language.
    void weekdayNamesAreHungarian()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QStringList names;
        for (int day = 1; day <= 7; ++day)
            names << ReportDays::weekdayName(QDate(2024, 1, day));
        QCOMPARE(names, (QStringList {"hétfő", "kedd", "szerda", "csütörtök", "péntek", "szombat", "vasárnap"}));
        QVERIFY(ReportDays::isWeekend(QDate(2024, 1, 6)));
        QVERIFY(!ReportDays::isWeekend(QDate(2024, 1, 5)));
        QCOMPARE(ReportDays::monthItems().first(), "1 - január");
        QCOMPARE(ReportDays::monthItems().last(), "12 - december");
    }
};

QTEST_GUILESS_MAIN(TestReportDays)
#include "tst_reportdays.moc"
