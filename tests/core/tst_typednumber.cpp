#include "core/TypedNumber.h"

#include <QtTest>

class TestCoreTypedNumber : public QObject
{
    Q_OBJECT
private slots:
    void quantity_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal comma") << "12,5" << 3 << true << 12.5;
        QTest::newRow("decimal point") << "12.5" << 3 << true << 12.5;
        QTest::newRow("grouped") << "1 234,5" << 3 << true << 1234.5;
        QTest::newRow("no-break group") << QString::fromUtf8("1\u00a0234") << 0 << true << 1234.0;
        QTest::newRow("leading comma") << ",25" << 2 << true << 0.25;
        QTest::newRow("negative") << "-2,5" << 1 << true << -2.5;
        QTest::newRow("surrounding blanks") << "  7 " << 0 << true << 7.0;
        QTest::newRow("rounded to the decimals") << "1,23456789" << 2 << true << 1.23;
        QTest::newRow("half to even down") << "2,5" << 0 << true << 2.0;
        QTest::newRow("half to even up") << "0,0615" << 3 << true << 0.062;
        QTest::newRow("exact tie that a double misses") << "22,345" << 2 << true << 22.34;
        QTest::newRow("negative rounds to zero") << "-0,0001" << 2 << true << 0.0;
        QTest::newRow("at the limit") << "1 000 000 000" << 0 << true << 1e9;
        QTest::newRow("beyond the limit") << "1000000000,1" << 1 << false << 0.0;
        QTest::newRow("huge") << "900000000000000000000" << 0 << false << 0.0;
        QTest::newRow("inf") << "inf" << 3 << false << 0.0;
        QTest::newRow("-inf") << "-inf" << 3 << false << 0.0;
        QTest::newRow("nan") << "nan" << 3 << false << 0.0;
        QTest::newRow("exponent") << "1e5" << 3 << false << 0.0;
        QTest::newRow("trailing letters") << "12abc" << 3 << false << 0.0;
        QTest::newRow("letters") << "abc" << 3 << false << 0.0;
        QTest::newRow("empty") << "" << 3 << false << 0.0;
        QTest::newRow("sign alone") << "-" << 3 << false << 0.0;
        QTest::newRow("separator alone") << "," << 3 << false << 0.0;
        QTest::newRow("trailing separator") << "12," << 3 << false << 0.0;
        QTest::newRow("two separators") << "1,2,3" << 3 << false << 0.0;
        QTest::newRow("bad grouping") << "12 34" << 3 << false << 0.0;
        QTest::newRow("hex") << "0x10" << 3 << false << 0.0;
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0663") << 0 << false << 0.0;
    }
    void quantity()
    {
        QFETCH(QString, text);
        QFETCH(int, decimals);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        const std::optional<double> parsed = TypedNumber::quantity(text, decimals);
        QCOMPARE(parsed.has_value(), accepted);
        if (accepted)
            QCOMPARE(*parsed, value);
    }

    void refusalSaysWhyAndFocusesTheField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString notANumber = QStringLiteral("Hibás értékadás!\rA mezőbe csak számot írhat!");
        QTest::newRow("letters") << "12abc" << notANumber;
        QTest::newRow("inf") << "inf" << notANumber;
        QTest::newRow("nan") << "nan" << notANumber;
        QTest::newRow("beyond the range")
            << "2 000 000 000" << QStringLiteral("Hibás értékadás!\rA megadott szám túl nagy!");
    }
    void refusalSaysWhyAndFocusesTheField()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        const Refusal refusal = TypedNumber::refusal(text, QStringLiteral("edtMennyiseg"));
        QCOMPARE(refusal.text, message);
        QCOMPARE(refusal.caption, QStringLiteral("HIBA!"));
        QCOMPARE(refusal.focus, QStringLiteral("edtMennyiseg"));
    }
};

QTEST_GUILESS_MAIN(TestCoreTypedNumber)
#include "tst_typednumber.moc"
