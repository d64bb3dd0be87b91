#include "stock/ItemPrices.h"

#include <QtTest>

// The price fields of a voucher item: the field typed drives the other four.
class TestItemPrices : public QObject
{
    Q_OBJECT

    static Money m(const char *text) { return *Money::fromText(QString::fromLatin1(text)); }

private slots:
    void compute_data()
    {
        QTest::addColumn<int>("typed");
        QTest::addColumn<QString>("value");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("vat");
        // net unit, gross unit, net total, gross total, VAT total
        QTest::addColumn<QStringList>("expected");

        const int netUnit = int(ItemPrices::Typed::NetUnit);
        const int grossUnit = int(ItemPrices::Typed::GrossUnit);
        const int netTotal = int(ItemPrices::Typed::NetTotal);
        const int grossTotal = int(ItemPrices::Typed::GrossTotal);
        QTest::newRow("net unit") << netUnit << "10" << 3.0 << 25.0
                                  << QStringList{"10", "12.5", "30", "37.5", "7.5"};
        QTest::newRow("gross unit") << grossUnit << "12.5" << 3.0 << 25.0
                                    << QStringList{"10", "12.5", "30", "37.5", "7.5"};
        QTest::newRow("net total") << netTotal << "30" << 3.0 << 25.0
                                   << QStringList{"10", "12.5", "30", "37.5", "7.5"};
        QTest::newRow("gross total") << grossTotal << "37.5" << 3.0 << 25.0
                                     << QStringList{"10", "12.5", "30", "37.5", "7.5"};
        QTest::newRow("gross unit, quantity times price unrounded")
            << grossUnit << "1.27" << 0.125 << 27.0 << QStringList{"1.04", "1.27", "0.13", "0.1588", "0.0288"};
        QTest::newRow("no quantity") << netTotal << "30" << 0.0 << 27.0 << QStringList{"0", "0", "30", "38.1", "8.1"};
        QTest::newRow("negative quantity") << netUnit << "10" << -2.0 << 27.0
                                           << QStringList{"10", "0", "-20", "-25.4", "-5.4"};
        // 0.001 × 14.95 = 0.01495: once rounded to two decimals 0.01 (twice rounded it would be 0.02).
        QTest::newRow("rounded once") << netUnit << "14.95" << 0.001 << 0.0 << QStringList{"14.95", "10", "0.01", "0.01", "0"};
        QTest::newRow("VAT half to even") << netTotal << "0.5" << 1.0 << 5.0
                                          << QStringList{"0.5", "0.52", "0.5", "0.52", "0.02"};
        QTest::newRow("net of gross, half to even") << grossTotal << "0.125" << 1.0 << 0.0
                                                    << QStringList{"0.12", "0.12", "0.12", "0.125", "0.005"};
    }

    void compute()
    {
        QFETCH(int, typed);
        QFETCH(QString, value);
        QFETCH(double, quantity);
        QFETCH(double, vat);
        QFETCH(QStringList, expected);

        ItemPrices current;
        const Money typedValue = *Money::fromText(value);
        switch (ItemPrices::Typed(typed)) {
        case ItemPrices::Typed::NetUnit:
            current.netUnit = typedValue;
            break;
        case ItemPrices::Typed::GrossUnit:
            current.grossUnit = typedValue;
            break;
        case ItemPrices::Typed::NetTotal:
            current.netTotal = typedValue;
            break;
        case ItemPrices::Typed::GrossTotal:
            current.grossTotal = typedValue;
            break;
        }
        // Whatever the other fields held is ignored.
        current.vatTotal = m("999");
        const ItemPrices prices = ItemPrices::compute(ItemPrices::Typed(typed), current, quantity, vat);
        QCOMPARE(prices.netUnit, *Money::fromText(expected.at(0)));
        QCOMPARE(prices.grossUnit, *Money::fromText(expected.at(1)));
        QCOMPARE(prices.netTotal, *Money::fromText(expected.at(2)));
        QCOMPARE(prices.grossTotal, *Money::fromText(expected.at(3)));
        QCOMPARE(prices.vatTotal, *Money::fromText(expected.at(4)));
    }
};

QTEST_GUILESS_MAIN(TestItemPrices)
#include "tst_itemprices.moc"
