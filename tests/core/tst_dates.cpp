#include "core/Dates.h"

#include <QtTest>

class TestCoreDates : public QObject
{
    Q_OBJECT
private slots:
    void monthNames_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("name");
        const char *names[] = {"január", "február", "március", "április", "május", "június",
                               "július", "augusztus", "szeptember", "október", "november", "december"};
        for (int month = 1; month <= 12; ++month)
            QTest::newRow(names[month - 1]) << month << QString::fromUtf8(names[month - 1]);
        QTest::newRow("0") << 0 << "";
        QTest::newRow("13") << 13 << "";
    }
    void monthNames()
    {
        QFETCH(int, month);
        QFETCH(QString, name);
        QCOMPARE(Dates::monthName(month), name);
    }

    void texts()
    {
        const QDate date(2006, 3, 31);
        QCOMPARE(Dates::yearMonthText(date), QStringLiteral("2006. március"));
        QCOMPARE(Dates::shortText(date), QStringLiteral("2006.03.31."));
        QCOMPARE(Dates::shortText(QDate(2006, 1, 2)), QStringLiteral("2006.01.02."));
        QCOMPARE(Dates::isoText(date), QStringLiteral("2006-03-31"));
        QCOMPARE(Dates::shortDateTimeText(QDateTime(date, QTime(14, 5, 9))), QStringLiteral("2006.03.31. 14:05:09"));
        QCOMPARE(Dates::shortText(QDate()), QString());
        QCOMPARE(Dates::isoText(QDate()), QString());
        QCOMPARE(Dates::yearMonthText(QDate()), QString());
    }

    void parse_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date");
        QTest::newRow("short date") << "2006.03.31." << QDate(2006, 3, 31);
        QTest::newRow("without last dot") << "2006.03.31" << QDate(2006, 3, 31);
        QTest::newRow("one-digit parts") << "2006.3.1" << QDate(2006, 3, 1);
        QTest::newRow("blanks after dots") << "2006. 03. 31." << QDate(2006, 3, 31);
        QTest::newRow("surrounding blanks") << " 2006.03.31. " << QDate(2006, 3, 31);
        QTest::newRow("leap day") << "2008.02.29." << QDate(2008, 2, 29);
        QTest::newRow("no leap day") << "2006.02.29." << QDate();
        QTest::newRow("month 13") << "2006.13.01." << QDate();
        QTest::newRow("day 0") << "2006.01.00." << QDate();
        QTest::newRow("two-digit year") << "06.03.31." << QDate();
        QTest::newRow("ISO") << "2006-03-31" << QDate();
        QTest::newRow("day first") << "31.03.2006" << QDate();
        QTest::newRow("two blanks") << "2006.  03.31." << QDate();
        QTest::newRow("trailing text") << "2006.03.31.x" << QDate();
        QTest::newRow("three-digit day") << "2006.03.031." << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void parse()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        QCOMPARE(Dates::parse(typed), date);
    }

    void fromIso_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("stored") << "2006-03-31" << QDate(2006, 3, 31);
        QTest::newRow("no such day") << "2006-04-31" << QDate();
        QTest::newRow("one-digit month") << "2006-3-31" << QDate();
        QTest::newRow("with time") << "2006-03-31T00:00:00" << QDate();
        QTest::newRow("short date") << "2006.03.31." << QDate();
    }
    void fromIso()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(Dates::fromIso(text), date);
    }

    void boundaries_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::newRow("March") << QDate(2006, 3, 15) << QDate(2006, 3, 1) << QDate(2006, 3, 31);
        QTest::newRow("leap February") << QDate(2008, 2, 1) << QDate(2008, 2, 1) << QDate(2008, 2, 29);
        QTest::newRow("February") << QDate(2006, 2, 28) << QDate(2006, 2, 1) << QDate(2006, 2, 28);
        QTest::newRow("December") << QDate(2006, 12, 31) << QDate(2006, 12, 1) << QDate(2006, 12, 31);
        QTest::newRow("invalid") << QDate() << QDate() << QDate();
    }
    void boundaries()
    {
        QFETCH(QDate, date);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QCOMPARE(Dates::firstDayOfMonth(date), first);
        QCOMPARE(Dates::lastDayOfMonth(date), last);
        if (date.isValid()) {
            QCOMPARE(Dates::firstDayOfYear(date.year()), QDate(date.year(), 1, 1));
            QCOMPARE(Dates::lastDayOfYear(date.year()), QDate(date.year(), 12, 31));
        }
    }
};

QTEST_GUILESS_MAIN(TestCoreDates)
#include "tst_dates.moc"
