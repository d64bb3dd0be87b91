#include "core/VersionNumber.h"

#include <QtTest>

class TestCoreVersionNumber : public QObject
{
    Q_OBJECT
private slots:
    void compareVersions_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("equal") << "1.0.32.547"
                               << "1.0.32.547" << 0;
        QTest::newRow("fewer digits, newer") << "1.0.33.1"
                                             << "1.0.32.547" << 1;
        QTest::newRow("last number lower") << "1.0.32.546"
                                           << "1.0.32.547" << -1;
        QTest::newRow("missing number is zero") << "1.0.32"
                                                << "1.0.32.0" << 0;
        QTest::newRow("extra number") << "1.0.32.547.1"
                                      << "1.0.32.547" << 1;
        QTest::newRow("leading zeros") << "01.0.010"
                                       << "1.0.9" << 1;
        QTest::newRow("beyond 64 bits") << "1.0.99999999999999999999"
                                        << "1.0.100000000000000000000" << -1;
    }
    void compareVersions()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        QCOMPARE(VersionNumber::compare(a, b), order);
        QCOMPARE(VersionNumber::compare(b, a), -order);
    }

    void isVersion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("four numbers") << "1.0.33.600" << true;
        QTest::newRow("one number") << "7" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("trailing dot") << "1.0." << false;
        QTest::newRow("double dot") << "1..0" << false;
        QTest::newRow("comma") << "1,0" << false;
        QTest::newRow("word") << "1.0 beta" << false;
        QTest::newRow("sign") << "+1.0" << false;
        QTest::newRow("other digits") << QString::fromUtf8("١.٠") << false;
    }
    void isVersion()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(VersionNumber::isValid(text), valid);
    }
};

QTEST_GUILESS_MAIN(TestCoreVersionNumber)
#include "tst_versionnumber.moc"
