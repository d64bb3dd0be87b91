#include "core/Money.h"
#include "core/Rounding.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {
Money money(const char *text)
{
    const std::optional<Money> value = Money::fromText(QString::fromUtf8(text));
    if (!value)
        qFatal("bad amount in test: %s", text);
    return *value;
}
constexpr qint64 MaxUnits = std::numeric_limits<qint64>::max();
constexpr qint64 MinUnits = std::numeric_limits<qint64>::min();
} // namespace

class TestCoreMoney : public QObject
{
    Q_OBJECT
private slots:
    void fromDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("units");
        QTest::newRow("plain") << 1234.5678 << qint64(12345678);
        QTest::newRow("half up to even") << 1.23455 << qint64(12346);
        QTest::newRow("half down to even") << 1.23445 << qint64(12344);
        QTest::newRow("binary below the half") << 2.67495 << qint64(26750);
        QTest::newRow("negative half to zero") << -0.00005 << qint64(0);
        QTest::newRow("0.00015") << 0.00015 << qint64(2);
        QTest::newRow("negative") << -12.5 << qint64(-125000);
        QTest::newRow("NaN") << std::nan("") << qint64(0);
        QTest::newRow("whole") << 42.0 << qint64(420000);
        QTest::newRow("a tenth") << 0.1 << qint64(1000);
        QTest::newRow("negative zero") << -0.0 << qint64(0);
        QTest::newRow("four decimals, many digits") << 123456789012.3456 << qint64(1234567890123456);
        QTest::newRow("largest whole that fits") << 99999999999999.0 << qint64(999999999999990000);
        QTest::newRow("whole beyond the units") << 1e15 << MaxUnits;
        QTest::newRow("too large") << 1e20 << MaxUnits;
        QTest::newRow("too small") << -1e20 << MinUnits;
        QTest::newRow("six decimals down") << 27.033318 << qint64(270333);
        QTest::newRow("six decimals up, negative") << -1.234567 << qint64(-12346);
        QTest::newRow("half with a digit beyond") << 0.000050001 << qint64(1);
        QTest::newRow("far below a unit") << 1e-10 << qint64(0);
        QTest::newRow("many decimals, many digits") << 12345678.123456789 << qint64(123456781235);
    }
    void fromDouble()
    {
        QFETCH(double, value);
        QFETCH(qint64, units);
        const Money m = Money::fromDouble(value);
        QCOMPARE(m.units(), units);
        // Money and the general rounding agree on every representable amount.
        if (std::isfinite(value) && std::fabs(value) < 1e14)
            QCOMPARE(m.toDouble(), Rounding::round(value, 4));
    }

    // Amounts summed or multiplied in binary carry more than four decimals; each rounds as the
    // general rounding rounds its decimal text, across the magnitudes money takes.
    void fromDouble_agreesWithRounding()
    {
        for (int magnitude = -6; magnitude <= 10; ++magnitude) {
            for (int step = 1; step <= 2000; ++step) {
                const double value = std::pow(10.0, magnitude) * (step * 1.000037 + step % 7 * 0.00000041);
                for (const double signedValue : {value, -value}) {
                    const Money m = Money::fromDouble(signedValue);
                    QVERIFY2(m.toString() == Rounding::fixedText(signedValue, 4),
                        qPrintable(QString::number(signedValue, 'g', 17)));
                }
            }
        }
    }

    void fromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qint64>("units");
        QTest::newRow("decimal comma") << "1234,56" << true << qint64(12345600);
        QTest::newRow("decimal point") << "1234.56" << true << qint64(12345600);
        QTest::newRow("grouped") << "1 234 567,5" << true << qint64(12345675000);
        QTest::newRow("no-break blank") << QString::fromUtf8("1\u00A0234") << true << qint64(12340000);
        QTest::newRow("negative") << "-0,25" << true << qint64(-2500);
        QTest::newRow("plus") << "+3" << true << qint64(30000);
        QTest::newRow("no whole part") << ",5" << true << qint64(5000);
        QTest::newRow("surrounding blanks") << "  42 " << true << qint64(420000);
        QTest::newRow("five decimals to even") << "1,23445" << true << qint64(12344);
        QTest::newRow("five decimals up to even") << "1,23455" << true << qint64(12346);
        QTest::newRow("largest") << "922337203685477,5807" << true << MaxUnits;
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("sign only") << "-" << false << qint64(0);
        QTest::newRow("separator without decimals") << "1," << false << qint64(0);
        QTest::newRow("two separators") << "1.234,5" << false << qint64(0);
        QTest::newRow("two commas") << "1,2,3" << false << qint64(0);
        QTest::newRow("short group") << "12 34" << false << qint64(0);
        QTest::newRow("long group") << "1 2345" << false << qint64(0);
        QTest::newRow("long first group") << "1234 567" << false << qint64(0);
        QTest::newRow("double blank") << "1  234" << false << qint64(0);
        QTest::newRow("blank in decimals") << "1,2 5" << false << qint64(0);
        QTest::newRow("blank after sign") << "- 5" << false << qint64(0);
        QTest::newRow("letters") << "12a" << false << qint64(0);
        QTest::newRow("exponent") << "1e5" << false << qint64(0);
        QTest::newRow("out of range") << "922337203685478" << false << qint64(0);
    }
    void fromText()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(qint64, units);
        const std::optional<Money> m = Money::fromText(text);
        QCOMPARE(m.has_value(), accepted);
        if (accepted)
            QCOMPARE(m->units(), units);
    }

    void toStringRoundTrips_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("text");
        QTest::newRow("negative") << qint64(-12345600) << "-1234.5600";
        QTest::newRow("small") << qint64(5) << "0.0005";
        QTest::newRow("zero") << qint64(0) << "0.0000";
        QTest::newRow("negative small") << qint64(-5) << "-0.0005";
        QTest::newRow("minimum") << MinUnits << "-922337203685477.5808";
        QTest::newRow("maximum") << MaxUnits << "922337203685477.5807";
    }
    void toStringRoundTrips()
    {
        QFETCH(qint64, units);
        QFETCH(QString, text);
        QCOMPARE(Money::fromUnits(units).toString(), text);
        QCOMPARE(Money::fromText(text)->units(), units);
    }

    void rounded_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half to even, down") << "1.2345" << 3 << "1.2340";
        QTest::newRow("half to even, up") << "1.2355" << 3 << "1.2360";
        QTest::newRow("two decimals, up") << "1.235" << 2 << "1.2400";
        QTest::newRow("negative") << "-1.235" << 2 << "-1.2400";
        QTest::newRow("whole 1.5") << "1.5" << 0 << "2.0000";
        QTest::newRow("whole 2.5") << "2.5" << 0 << "2.0000";
        QTest::newRow("whole -2.5") << "-2.5" << 0 << "-2.0000";
        QTest::newRow("not a half") << "2.5001" << 0 << "3.0000";
        QTest::newRow("four decimals kept") << "1.2345" << 4 << "1.2345";
    }
    void rounded()
    {
        QFETCH(QString, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(Money::fromText(value)->rounded(decimals).toString(), expected);
    }

    void multiplied_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half to even, down") << "1.2345" << 0.5 << "0.6172";
        QTest::newRow("half to even, up") << "1.2355" << 0.5 << "0.6178";
        QTest::newRow("decimal quantity exact") << "100" << 0.1 << "10.0000";
        QTest::newRow("1.1 x 1.1") << "1.1" << 1.1 << "1.2100";
        QTest::newRow("smallest half to zero") << "0.0001" << 0.5 << "0.0000";
        QTest::newRow("smallest half up") << "0.0003" << 0.5 << "0.0002";
        QTest::newRow("negative price") << "-2.5" << 3.0 << "-7.5000";
        QTest::newRow("negative quantity") << "2" << -0.25 << "-0.5000";
        QTest::newRow("large quantity") << "12.3456" << 1e6 << "12345600.0000";
        QTest::newRow("tiny quantity") << "300" << 1e-40 << "0.0000";
        QTest::newRow("overflow held") << "1000" << 1e20 << "922337203685477.5807";
        QTest::newRow("whole quantity overflow held") << "1000" << 1e14 << "922337203685477.5807";
        QTest::newRow("whole negative overflow held") << "-1000" << 1e14 << "-922337203685477.5808";
        QTest::newRow("whole negative quantity") << "2.0001" << -3.0 << "-6.0003";
    }
    void multiplied()
    {
        QFETCH(QString, price);
        QFETCH(double, quantity);
        QFETCH(QString, expected);
        QCOMPARE(Money::fromText(price)->multiplied(quantity).toString(), expected);
    }

    void dividedBy_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QString>("expected");
        QTest::newRow("thirds down") << "10" << 3.0 << "3.3333";
        QTest::newRow("thirds up") << "20" << 3.0 << "6.6667";
        QTest::newRow("half to zero") << "0.0001" << 2.0 << "0.0000";
        QTest::newRow("half up to even") << "0.0003" << 2.0 << "0.0002";
        QTest::newRow("negative value") << "-10" << 4.0 << "-2.5000";
        QTest::newRow("negative quantity") << "10" << -4.0 << "-2.5000";
        QTest::newRow("decimal quantity") << "1" << 0.0001 << "10000.0000";
        QTest::newRow("decimal quantity 0.3") << "1" << 0.3 << "3.3333";
        QTest::newRow("huge quantity") << "1" << 1e30 << "0.0000";
        QTest::newRow("overflow held") << "1" << 1e-20 << "922337203685477.5807";
        QTest::newRow("negative half to even") << "-0.0003" << 2.0 << "-0.0002";
        QTest::newRow("large whole quantity to even") << "25000000000" << 1e14 << "0.0002";
    }
    void dividedBy()
    {
        QFETCH(QString, value);
        QFETCH(double, quantity);
        QFETCH(QString, expected);
        const std::optional<Money> price = Money::fromText(value)->dividedBy(quantity);
        QVERIFY(price.has_value());
        QCOMPARE(price->toString(), expected);
    }

    // Products and quotients at fewer decimals are rounded once, on the exact value: rounding to
    // four decimals first would turn 0.014951 into the half 0.0150 and then up to 0.02.
    void roundedOnceToDecimals_data()
    {
        QTest::addColumn<bool>("divide");
        QTest::addColumn<QString>("value");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("product below a half") << false << "1" << 0.014951 << 2 << "0.0100";
        QTest::newRow("product half to even, down") << false << "0.025" << 1.0 << 2 << "0.0200";
        QTest::newRow("product half to even, up") << false << "0.035" << 1.0 << 2 << "0.0400";
        QTest::newRow("product negative") << false << "-1" << 0.014951 << 2 << "-0.0100";
        QTest::newRow("product whole quantity") << false << "0.3333" << 3.0 << 2 << "1.0000";
        QTest::newRow("product no decimals") << false << "2.5" << 1.0 << 0 << "2.0000";
        QTest::newRow("product decimals beyond four") << false << "1.2345" << 0.5 << 6 << "0.6172";
        QTest::newRow("product decimals below zero") << false << "3.5" << 1.0 << -1 << "4.0000";
        QTest::newRow("quotient below a half") << true << "0.0299" << 2.0 << 2 << "0.0100";
        QTest::newRow("quotient decimal divisor") << true << "0.0299" << 0.5 << 2 << "0.0600";
        QTest::newRow("quotient gross to net") << true << "12700" << 127.0 << 2 << "100.0000";
        QTest::newRow("quotient negative divisor") << true << "10" << -3.0 << 2 << "-3.3300";
        QTest::newRow("quotient no decimals") << true << "5" << 2.0 << 0 << "2.0000";
    }
    void roundedOnceToDecimals()
    {
        QFETCH(bool, divide);
        QFETCH(QString, value);
        QFETCH(double, quantity);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        const Money amount = *Money::fromText(value);
        const Money result = divide ? amount.dividedBy(quantity, decimals).value() : amount.multiplied(quantity, decimals);
        QCOMPARE(result.toString(), expected);
    }

    void divisionWithoutQuantity()
    {
        QVERIFY(!money("10").dividedBy(0.0));
        QVERIFY(!money("10").dividedBy(-0.0));
        QVERIFY(!money("10").dividedBy(std::nan("")));
        QVERIFY(!money("10").dividedBy(std::numeric_limits<double>::infinity()));
    }

    void arithmetic()
    {
        QCOMPARE((money("0,1") + money("0,2")).toString(), QStringLiteral("0.3000"));
        QCOMPARE((money("1") - money("2,5")).toString(), QStringLiteral("-1.5000"));
        QCOMPARE((-money("3")).toString(), QStringLiteral("-3.0000"));
        Money sum;
        for (int i = 0; i < 10; ++i)
            sum += money("0,1");
        QCOMPARE(sum, money("1"));
        sum -= money("0,0001");
        QVERIFY(sum < money("1"));
        QVERIFY(money("-1") < money("0"));
        QVERIFY(money("2") >= money("2,0000"));
        QVERIFY(money("0").isZero());
        QCOMPARE(money("0,1").toDouble(), 0.1);
        // Sums beyond the range are held at its ends instead of wrapping around.
        QCOMPARE((Money::fromUnits(MaxUnits) + money("0,0001")).units(), MaxUnits);
        QCOMPARE((Money::fromUnits(MinUnits) - money("0,0001")).units(), MinUnits);
        QCOMPARE((-Money::fromUnits(MinUnits)).units(), MaxUnits);
    }
};

QTEST_GUILESS_MAIN(TestCoreMoney)
#include "tst_money.moc"
