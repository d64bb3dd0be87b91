#include "core/Rounding.h"

#include <QtTest>
#include <cmath>
#include <limits>

class TestCoreRounding : public QObject
{
    Q_OBJECT
private slots:
    void halvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        // Exact decimal halves go to the even neighbour, whichever side the binary value lies on.
        QTest::newRow("2.675 stored below the half") << 2.675 << 2 << "2.68";
        QTest::newRow("1.015 stored below the half") << 1.015 << 2 << "1.02";
        QTest::newRow("2.665 to even") << 2.665 << 2 << "2.66";
        QTest::newRow("0.125 to even") << 0.125 << 2 << "0.12";
        QTest::newRow("0.135 up to even") << 0.135 << 2 << "0.14";
        QTest::newRow("1.005 to even") << 1.005 << 2 << "1.00";
        QTest::newRow("0.5 to 0") << 0.5 << 0 << "0";
        QTest::newRow("1.5 to 2") << 1.5 << 0 << "2";
        QTest::newRow("2.5 to 2") << 2.5 << 0 << "2";
        QTest::newRow("-2.5 to -2") << -2.5 << 0 << "-2";
        QTest::newRow("-1.5 to -2") << -1.5 << 0 << "-2";
        QTest::newRow("2.5e-6 to even") << 2.5e-6 << 6 << "0.000002";
        // Not a half: ordinary rounding.
        QTest::newRow("0.12501 up") << 0.12501 << 2 << "0.13";
        QTest::newRow("0.1249 down") << 0.1249 << 2 << "0.12";
        QTest::newRow("0.1+0.2") << 0.1 + 0.2 << 2 << "0.30";
        QTest::newRow("-0.00051") << -0.00051 << 3 << "-0.001";
        // Carries through nines into a new digit.
        QTest::newRow("9.995 carry") << 9.995 << 2 << "10.00";
        QTest::newRow("999.99995 carry") << 999.99995 << 4 << "1000.0000";
        // Below half of the last place, including a negative that becomes zero without a sign.
        QTest::newRow("0.0001") << 0.0001 << 2 << "0.00";
        QTest::newRow("-0.004") << -0.004 << 2 << "0.00";
        QTest::newRow("-0.5 to zero") << -0.5 << 0 << "0";
        QTest::newRow("tiny") << 1e-300 << 4 << "0.0000";
        // Enough places already: the value is kept and padded.
        QTest::newRow("padded") << -1234.5 << 2 << "-1234.50";
        QTest::newRow("more places than digits") << 123.456 << 5 << "123.45600";
        QTest::newRow("large") << 123456789012.3456 << 4 << "123456789012.3456";
        QTest::newRow("1e20") << 1e20 << 1 << "100000000000000000000.0";
        QTest::newRow("negative places as zero") << 2.5 << -1 << "2";
        // Values already on the grid of their places stay as they are.
        QTest::newRow("whole stays") << 495.0 << 0 << "495";
        QTest::newRow("on the grid") << 12.25 << 2 << "12.25";
        QTest::newRow("negative on the grid") << -12.25 << 4 << "-12.2500";
        QTest::newRow("negative zero") << -0.0 << 2 << "0.00";
        QTest::newRow("large on the grid") << 99999999999999.5 << 1 << "99999999999999.5";
        QTest::newRow("large half to even") << 99999999999999.5 << 0 << "100000000000000";
    }
    void halvesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(Rounding::fixedText(value, decimals), text);
        // The double result is the one nearest to the rounded decimal.
        QCOMPARE(Rounding::round(value, decimals), text.toDouble());
        QVERIFY(!std::signbit(Rounding::round(value, decimals)) || text.startsWith('-'));
    }

    // The rounded double is always the one read back from the rounded text, for values on and
    // off the grid of their places, sums that miss it by binary noise and large magnitudes.
    void roundAgreesWithText()
    {
        const double bases[] = {0, 0.1, 0.125, 0.3, 1.005, 2.675, 12.25, 495, 1234.5678, 99999.99995, 1e9 + 0.5,
            123456789.123456789, 4.5e14};
        for (const double base : bases) {
            for (const double value : {base, -base, base * 3, base + 0.1 + 0.2, base / 7, base * 1e-6}) {
                for (int decimals = 0; decimals <= 10; ++decimals) {
                    const QString text = Rounding::fixedText(value, decimals);
                    const double rounded = Rounding::round(value, decimals);
                    QVERIFY2(rounded == text.toDouble() && std::signbit(rounded) == text.startsWith('-'),
                        qPrintable(QStringLiteral("%1 at %2: %3 / %4")
                                .arg(value, 0, 'g', 17)
                                .arg(decimals)
                                .arg(rounded, 0, 'g', 17)
                                .arg(text)));
                }
            }
        }
    }

    void upwards_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("rounded");
        // The smallest multiple of the last place that is not below the value.
        QTest::newRow("12.2 at 0") << 12.2 << 0 << 13.0;
        QTest::newRow("12.0 stays") << 12.0 << 0 << 12.0;
        QTest::newRow("2.01 at 0") << 2.01 << 0 << 3.0;
        QTest::newRow("100.5 at 0") << 100.5 << 0 << 101.0;
        QTest::newRow("2.001 at 2") << 2.001 << 2 << 2.01;
        QTest::newRow("2.31 at 1") << 2.31 << 1 << 2.4;
        QTest::newRow("0.125 at 2") << 0.125 << 2 << 0.13;
        QTest::newRow("2.5 at 1 stays") << 2.5 << 1 << 2.5;
        QTest::newRow("1.0001 at 3") << 1.0001 << 3 << 1.001;
        QTest::newRow("below the first place") << 0.0004 << 2 << 0.01;
        QTest::newRow("carry through nines") << 9.991 << 2 << 10.0;
        QTest::newRow("zero") << 0.0 << 2 << 0.0;
        QTest::newRow("negative towards zero") << -2.5 << 0 << -2.0;
        QTest::newRow("small negative to zero") << -0.0004 << 2 << 0.0;
        QTest::newRow("negative places as zero") << 2.2 << -1 << 3.0;
        // The noise of a floating-point sum is not a quantity: no extra step.
        QTest::newRow("0.1+0.2 at 1") << 0.1 + 0.2 << 1 << 0.3;
        QTest::newRow("3 x 0.1 at 1") << 0.1 * 3 << 1 << 0.3;
        QTest::newRow("1.1+2.2 at 0") << (1.1 + 2.2) * 10 << 0 << 33.0;
    }
    void upwards()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, rounded);
        const double result = Rounding::roundUp(value, decimals);
        QCOMPARE(result, rounded);
        QVERIFY(!std::signbit(result) || rounded < 0);
    }

    void notFinite()
    {
        QVERIFY(std::isnan(Rounding::roundUp(std::nan(""), 2)));
        QCOMPARE(
            Rounding::roundUp(std::numeric_limits<double>::infinity(), 0), std::numeric_limits<double>::infinity());
        const double inf = std::numeric_limits<double>::infinity();
        QVERIFY(std::isnan(Rounding::round(std::nan(""), 2)));
        QCOMPARE(Rounding::round(-inf, 2), -inf);
        QCOMPARE(Rounding::fixedText(inf, 2), QString());
    }

    void shortestDecimal_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QByteArray>("digits");
        QTest::addColumn<int>("exponent");
        QTest::newRow("2.675") << 2.675 << false << QByteArray("2675") << -3;
        QTest::newRow("-1500") << -1500.0 << true << QByteArray("15") << 2;
        QTest::newRow("zero") << 0.0 << false << QByteArray("0") << 0;
        QTest::newRow("negative zero") << -0.0 << false << QByteArray("0") << 0;
        QTest::newRow("0.1") << 0.1 << false << QByteArray("1") << -1;
    }
    void shortestDecimal()
    {
        QFETCH(double, value);
        QFETCH(bool, negative);
        QFETCH(QByteArray, digits);
        QFETCH(int, exponent);
        const Rounding::Decimal decimal = Rounding::shortestDecimal(value);
        QCOMPARE(decimal.negative, negative);
        QCOMPARE(decimal.digits, digits);
        QCOMPARE(decimal.exponent, exponent);
    }
};

QTEST_GUILESS_MAIN(TestCoreRounding)
#include "tst_rounding.moc"
