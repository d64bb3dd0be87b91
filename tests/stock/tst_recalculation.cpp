#include "stock/Recalculation.h"

#include <QtTest>

// The stock recalculation as a function of the rows: a table of cases.
//
// Rows are written "BE q v" (receipt of q worth v), "NY q v" (opening row: resets the balance),
// "KI q" (issue of q at the average price) or "KI q v" (issue with a typed value, KiadAr on),
// optionally followed by "@r" (the VAT percent of the row), separated by ";". The expected rows
// are "KeszletMenny/KeszletErtek/KiAr/TetelErtek" for each row, separated by ";".
class TestRecalculation : public QObject
{
    Q_OBJECT

    static QList<Recalculation::Row> parse(const QString &text)
    {
        QList<Recalculation::Row> rows;
        qint64 id = 0;
        for (const QString &part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            QStringList words = part.simplified().split(QLatin1Char(' '));
            Recalculation::Row row;
            row.id = ++id;
            if (!words.isEmpty() && words.last().startsWith(QLatin1Char('@')))
                row.vatPercent = words.takeLast().mid(1).toDouble();
            const QString kind = words.value(0);
            row.receipt = kind != QLatin1String("KI");
            row.opening = kind == QLatin1String("NY");
            row.quantity = words.value(1).toDouble();
            if (words.size() > 2)
                row.value = *Money::fromText(words.value(2));
            rows << row;
        }
        return rows;
    }

    static QString describe(const QList<Recalculation::Row> &rows)
    {
        QStringList parts;
        for (const Recalculation::Row &row : rows) {
            parts << QString::number(row.after.quantity) + QLatin1Char('/') + Money(row.after.value).toString()
                    + QLatin1Char('/') + row.averagePrice.toString() + QLatin1Char('/') + row.value.toString();
        }
        return parts.join(QLatin1Char(';'));
    }

    static QString expected(const QString &text)
    {
        // "6/600/100/400" -> quantities as numbers, money with four decimals.
        QStringList parts;
        for (const QString &part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList fields = part.split(QLatin1Char('/'));
            QStringList out {QString::number(fields.value(0).toDouble())};
            for (int i = 1; i < fields.size(); ++i)
                out << Money::fromText(fields.at(i))->toString();
            parts << out.join(QLatin1Char('/'));
        }
        return parts.join(QLatin1Char(';'));
    }

private slots:
    void run_data()
    {
        QTest::addColumn<bool>("kiadAr");
        QTest::addColumn<int>("kerekites");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("negativeAt");
        QTest::addColumn<QString>("after");

        // The worked examples of issue pricing.
        QTest::newRow("issue at the average price") << false << 2 << "0 0"
                                                    << "BE 10 1000; KI 4" << -1 << "10/1000/100/1000;6/600/100/400";
        QTest::newRow("issue at a typed value") << true << 2 << "0 0"
                                                << "BE 10 1000; KI 4 480" << -1 << "10/1000/100/1000;6/520/100/480";
        QTest::newRow("issue above the stock") << false << 2 << "0 0"
                                               << "BE 10 1000; KI 11" << 1 << "10/1000/100/1000;-1/-100/100/1100";
        QTest::newRow("issue from nothing") << false << 2 << "0 0"
                                            << "KI 1" << 0 << "-1/0/0/0";
        QTest::newRow("issue of zero") << false << 2 << "0 0"
                                       << "BE 10 1000; KI 0" << -1 << "10/1000/100/1000;10/1000/100/0";
        // A back-dated receipt (walked before the issue) reprices it at the new average.
        QTest::newRow("back-dated receipt reprices the issue")
            << false << 2 << "0 0"
            << "BE 10 1000; BE 10 1500; KI 4" << -1 << "10/1000/100/1000;20/2500/125/1500;16/2000/125/500";
        QTest::newRow("start balance") << false << 2 << "10 1000"
                                       << "KI 4" << -1 << "6/600/100/400";
        // The value becomes exactly 0 with the stock, and the issue takes exactly what was left.
        QTest::newRow("full issue takes the remainder") << false << 3 << "0 0"
                                                        << "BE 3 10; KI 3" << -1 << "3/10/3.3333/10;0/0/3.3333/10";
        QTest::newRow("issue in two steps")
            << false << 3 << "0 0"
            << "BE 3 10; KI 1; KI 2" << -1 << "3/10/3.3333/10;2/6.6667/3.3333/3.3333;0/0/3.3334/6.6667";
        QTest::newRow("typed full issue leaves no value") << true << 3 << "0 0"
                                                          << "BE 3 10; KI 3 9" << -1 << "3/10/3.3333/10;0/0/3.3333/9";
        // Negative receipts are receipts: the quantity may not drop below zero after any row.
        QTest::newRow("negative receipt below zero") << false << 2 << "0 0"
                                                     << "BE 10 100; BE -12 -120" << 1 << "10/100/10/100;-2/-20/10/-120";
        QTest::newRow("negative receipt leaves a later issue short")
            << false << 2 << "0 0"
            << "BE 10 1000; BE -5 -500; KI 8" << 2 << "10/1000/100/1000;5/500/100/-500;-3/-300/100/800";
        QTest::newRow("negative receipt within the stock")
            << false << 2 << "0 0"
            << "BE 10 1000; BE -5 -500; KI 5" << -1 << "10/1000/100/1000;5/500/100/-500;0/0/100/500";
        // An opening row resets the balance.
        QTest::newRow("opening resets") << false << 2 << "0 0"
                                        << "BE 5 500; KI 2; NY 10 2000; KI 1" << -1
                                        << "5/500/100/500;3/300/100/200;10/2000/200/2000;9/1800/200/200";
        QTest::newRow("opening after a negative start") << false << 2 << "-3 0"
                                                        << "NY 4 40" << -1 << "4/40/10/40";
        // Quantities are rounded to the material's decimals, halves to even.
        QTest::newRow("whole units") << false << 0 << "0 0"
                                     << "BE 2.5 100; KI 1" << -1 << "2/100/50/100;1/50/50/50";
        QTest::newRow("one decimal") << false << 1 << "0 0"
                                     << "BE 1.25 100; KI 0.25" << -1 << "1.2/100/83.3333/100;1/79.1667/83.3333/20.8333";
        QTest::newRow("three decimals") << false << 3 << "0 0"
                                        << "BE 0.0005 1; BE 0.0015 1" << -1 << "0/1/0/1;0.002/2/1000/1";
        QTest::newRow("typed value with the quantity zero")
            << true << 2 << "0 0"
            << "BE 10 1000; KI 0 50" << -1 << "10/1000/100/1000;10/950/100/50";
        // A value of -1 or less is the mark of a row not priced yet (an issue by menu): priced at
        // the average with typed values too, and the price written as its value.
        QTest::newRow("marked issue with typed values")
            << true << 2 << "0 0"
            << "BE 10 1000; KI 3 -101010" << -1 << "10/1000/100/1000;7/700/100/300";
        QTest::newRow("marked issue emptying the stock")
            << true << 3 << "0 0"
            << "BE 3 10; KI 3 -101010" << -1 << "3/10/3.3333/10;0/0/3.3333/10";
        QTest::newRow("value of -1 with typed values")
            << true << 2 << "0 0"
            << "BE 10 1000; KI 4 -1" << -1 << "10/1000/100/1000;6/600/100/400";
        QTest::newRow("typed value just above -1")
            << true << 2 << "0 0"
            << "BE 10 1000; KI 4 -0.9999" << -1 << "10/1000/100/1000;6/1000.9999/100/-0.9999";
    }

    void run()
    {
        QFETCH(bool, kiadAr);
        QFETCH(int, kerekites);
        QFETCH(QString, start);
        QFETCH(QString, rows);
        QFETCH(int, negativeAt);
        QFETCH(QString, after);

        const QStringList startParts = start.split(QLatin1Char(' '));
        const Recalculation::Balance balance {startParts.at(0).toDouble(), *Money::fromText(startParts.at(1))};
        QList<Recalculation::Row> walked = parse(rows);
        const Recalculation::Outcome outcome = Recalculation::run(balance, walked, kerekites, kiadAr);
        QCOMPARE(outcome.negativeAt, negativeAt);
        QCOMPARE(describe(walked), expected(after));
        QCOMPARE(outcome.end.quantity, walked.last().after.quantity);
        QCOMPARE(outcome.end.value, walked.last().after.value);
    }

    // Issue rows get their unit price, VAT and gross; the material's price is the last one computed.
    void issuePrices_data()
    {
        QTest::addColumn<bool>("kiadAr");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("unitPrice");
        QTest::addColumn<QString>("vat");
        QTest::addColumn<QString>("gross");
        QTest::addColumn<QString>("lastPrice");

        QTest::newRow("average price") << false << "BE 10 1000; KI 4 @27"
                                       << "100"
                                       << "108"
                                       << "508"
                                       << "100";
        QTest::newRow("typed value") << true << "BE 10 1000; KI 4 480 @27"
                                     << "120"
                                     << "129.6"
                                     << "609.6"
                                     << "100";
        QTest::newRow("typed value of no quantity") << true << "BE 10 1000; KI 0 50 @5"
                                                    << "0"
                                                    << "2.5"
                                                    << "52.5"
                                                    << "100";
        QTest::newRow("VAT rounded half to even") << false << "BE 1 0.001; KI 1 @15"
                                                  << "0.001"
                                                  << "0.0002"
                                                  << "0.0012"
                                                  << "0.001";
        QTest::newRow("receipt last") << false << "BE 10 1000; KI 4 @27; BE 4 560"
                                      << "100"
                                      << "108"
                                      << "508"
                                      << "116";
    }

    void issuePrices()
    {
        QFETCH(bool, kiadAr);
        QFETCH(QString, rows);
        QFETCH(QString, unitPrice);
        QFETCH(QString, vat);
        QFETCH(QString, gross);
        QFETCH(QString, lastPrice);

        QList<Recalculation::Row> walked = parse(rows);
        const Recalculation::Outcome outcome = Recalculation::run({}, walked, 2, kiadAr);
        const Recalculation::Row &issue = walked.at(1);
        QCOMPARE(issue.unitPrice, *Money::fromText(unitPrice));
        QCOMPARE(issue.vat, *Money::fromText(vat));
        QCOMPARE(issue.gross, *Money::fromText(gross));
        QVERIFY(outcome.hasPrice);
        QCOMPARE(outcome.lastPrice, *Money::fromText(lastPrice));
    }

    void noRowsKeepTheStart()
    {
        QList<Recalculation::Row> none;
        const Recalculation::Outcome outcome = Recalculation::run({5, Money::fromUnits(1230000)}, none, 2, false);
        QVERIFY(!outcome.hasPrice);
        QVERIFY(!outcome.negative());
        QCOMPARE(outcome.end.quantity, 5.0);
        QCOMPARE(outcome.end.value, Money::fromUnits(1230000));
    }
};

QTEST_GUILESS_MAIN(TestRecalculation)
#include "tst_recalculation.moc"
