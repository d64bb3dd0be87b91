#include "core/NumberFormat.h"

#include <QtTest>

#include <cmath>

class TestCoreNumberFormat : public QObject
{
    Q_OBJECT
private slots:
    void masks_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("text");
        // Money and quantity columns: groups of three, two decimals, the trailing blank kept.
        QTest::newRow("grouped") << 1234567.891 << "###,###,##0.00 " << "1 234 567,89 ";
        QTest::newRow("grouped zero") << 0.0 << "###,###,##0.00 " << "0,00 ";
        QTest::newRow("grouped below one") << 0.5 << "###,###,##0.00 " << "0,50 ";
        QTest::newRow("grouped thousand") << 1000.0 << "###,###,##0.00 " << "1 000,00 ";
        QTest::newRow("grouped negative") << -1234.5 << "###,###,##0.00 " << "-1 234,50 ";
        QTest::newRow("more digits than places") << 1234567890123.456 << "###,###,##0.00" << "1 234 567 890 123,46";
        QTest::newRow("currency") << 1234.5 << "###,###,##0.00 Ft" << "1 234,50 Ft";
        QTest::newRow("percent") << 5.5 << "###,###,##0.00 %" << "5,50 %";
        QTest::newRow("one decimal") << 12.34 << "###,###,##0.0" << "12,3";
        QTest::newRow("whole grouped") << 1234567.0 << "###,###,##0" << "1 234 567";
        QTest::newRow("#,##0") << 1234567.0 << "#,##0" << "1 234 567";
        QTest::newRow("#,##0 three digits") << 999.0 << "#,##0" << "999";
        QTest::newRow("#,##0 zero") << 0.0 << "#,##0" << "0";
        // Blanks between the places group like commas; no blanks are written before the number.
        QTest::newRow("blank groups") << 1234.5 << "### ### ##0.00 Ft" << "1 234,50 Ft";
        QTest::newRow("blank groups small") << 12.0 << "### ### ##0.00 Ft" << "12,00 Ft";
        QTest::newRow("blank groups three decimals") << 1234.5678 << "### ### ##0.000" << "1 234,568";
        QTest::newRow("blank groups trailing blank") << 1234567.0 << "### ### ##0.00 " << "1 234 567,00 ";
        QTest::newRow("blank groups plain") << -0.25 << "### ### ##0.00" << "-0,25";
        // Halves to even on the decimal text of the value.
        QTest::newRow("2.675") << 2.675 << "0.00" << "2,68";
        QTest::newRow("2.665") << 2.665 << "0.00" << "2,66";
        QTest::newRow("0.125") << 0.125 << "0.00" << "0,12";
        QTest::newRow("1.5 whole") << 1.5 << "0" << "2";
        QTest::newRow("2.5 whole") << 2.5 << "0" << "2";
        QTest::newRow("-2.5 whole") << -2.5 << "0" << "-2";
        // Optional decimals.
        QTest::newRow("0.## one") << 12.5 << "0.##" << "12,5";
        QTest::newRow("0.## none") << 3.0 << "0.##" << "3";
        QTest::newRow("0.## two") << 1234.567 << "0.##" << "1234,57";
        QTest::newRow("0.## rounds to zero") << 0.004 << "0.##" << "0";
        QTest::newRow("negative rounds to zero") << -0.004 << "0.##" << "0";
        QTest::newRow("negative to zero, fixed") << -0.004 << "0.00" << "0,00";
        QTest::newRow("0.000") << 12.3456 << "0.000" << "12,346";
        QTest::newRow("0.0") << 7.0 << "0.0" << "7,0";
        QTest::newRow("0.0##") << 1.23456 << "0.0##" << "1,235";
        QTest::newRow("0.0## short") << 2.0 << "0.0##" << "2,0";
        QTest::newRow("0.###") << 1.1 << "0.###" << "1,1";
        QTest::newRow("0.00 ") << 12.5 << "0.00 " << "12,50 ";
        QTest::newRow("#.## below one") << 0.5 << "#.##" << ",5";
        // Units and signs written as they stand.
        QTest::newRow("0 %") << 5.0 << "0 %" << "5 %";
        QTest::newRow("0.0%") << 12.34 << "0.0%" << "12,3%";
        QTest::newRow("##0.# %") << 27.0 << "##0.# %" << "27 %";
        QTest::newRow("##0.# % decimal") << 27.25 << "##0.# %" << "27,2 %";
        QTest::newRow("0KCal") << 249.6 << "0KCal" << "250KCal";
        QTest::newRow("0KJ") << 1046.0 << "0KJ" << "1046KJ";
        QTest::newRow("0.##Kcal") << 100.0 << "0.##Kcal" << "100Kcal";
        QTest::newRow("0.##g") << 12.345 << "0.##g" << "12,34g";
        QTest::newRow("0.0g") << 3.25 << "0.0g" << "3,2g";
        QTest::newRow("0.00g") << 3.0 << "0.00g" << "3,00g";
        QTest::newRow("0g") << 1.5 << "0g" << "2g";
        QTest::newRow("0.000 g") << 1234.5 << "0.000 g" << "1234,500 g";
        QTest::newRow("0.000 KJ") << 0.1 << "0.000 KJ" << "0,100 KJ";
        // Text before the number, with the sign kept at the number.
        QTest::newRow("prefix") << 1234.5 << "Normakeret: ###,###,##0.00 Ft" << "Normakeret: 1 234,50 Ft";
        QTest::newRow("prefix negative") << -5.0 << "Normakeret: ###,###,##0.00 Ft" << "Normakeret: -5,00 Ft";
        // Quoted literals and sections for negative and zero values.
        QTest::newRow("quoted") << 5.0 << "0 \"db#0\"" << "5 db#0";
        QTest::newRow("single quoted") << 1234.0 << "#,##0' ;x'" << "1 234 ;x";
        QTest::newRow("negative section") << -5.0 << "0.00;(0.00)" << "(5,00)";
        QTest::newRow("zero section") << 0.0 << "0.00;(0.00);nulla" << "nulla";
        QTest::newRow("rounds into zero section") << 0.001 << "0.00;;nulla" << "nulla";
        QTest::newRow("empty negative section") << -3.0 << "0;;z" << "-3";
        // No mask: the plain number.
        QTest::newRow("empty mask") << 12.5 << "" << "12,5";
        QTest::newRow("# of zero") << 0.0 << "#" << "";
    }
    void masks()
    {
        QFETCH(double, value);
        QFETCH(QString, mask);
        QFETCH(QString, text);
        QCOMPARE(NumberFormat::format(value, mask), text);
    }

    void money_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("text");
        QTest::newRow("grouped") << "1234.5678" << "###,###,##0.00 " << "1 234,57 ";
        QTest::newRow("half to even") << "0.125" << "0.00" << "0,12";
        QTest::newRow("half up to even") << "0.135" << "0.00" << "0,14";
        QTest::newRow("negative to zero") << "-0.0049" << "0.00" << "0,00";
        QTest::newRow("more decimals than held") << "1.5" << "0.000000" << "1,500000";
        QTest::newRow("optional decimals") << "12.3450" << "0.##" << "12,34";
        QTest::newRow("largest") << "922337203685477.5807" << "###,###,##0.0000" << "922 337 203 685 477,5807";
        QTest::newRow("smallest") << "-922337203685477.5808" << "0.00" << "-922337203685477,58";
    }
    void money()
    {
        QFETCH(QString, value);
        QFETCH(QString, mask);
        QFETCH(QString, text);
        QCOMPARE(NumberFormat::format(*Money::fromText(value), mask), text);
    }

    void decimalPoint()
    {
        // Export files want "." and no trailing zeros: 12.5, 3, 1234.57.
        QCOMPARE(NumberFormat::format(12.5, "0.##", NumberFormat::decimalPoint()), QStringLiteral("12.5"));
        QCOMPARE(NumberFormat::format(3.0, "0.##", NumberFormat::decimalPoint()), QStringLiteral("3"));
        QCOMPARE(NumberFormat::format(*Money::fromText("1234.5678"), "0.##", NumberFormat::decimalPoint()),
                 QStringLiteral("1234.57"));
    }

    void plain_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal") << 12.5 << "12,5";
        QTest::newRow("whole") << 3.0 << "3";
        QTest::newRow("sum noise") << 0.1 + 0.2 << "0,3";
        QTest::newRow("negative") << -1234.25 << "-1234,25";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("million") << 1e6 << "1000000";
        // Never an exponent, however large or small.
        QTest::newRow("1e20") << 1e20 << "100000000000000000000";
        QTest::newRow("small negative") << -1.2345e-05 << "-0,000012345";
        QTest::newRow("15 digits kept") << 123456789.012345 << "123456789,012345";
        QTest::newRow("1e15") << 1e15 << "1000000000000000";
    }
    void plain()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberFormat::plain(value), text);
    }

    void notFinite()
    {
        QCOMPARE(NumberFormat::format(std::nan(""), "0.00"), QStringLiteral("NAN"));
        QCOMPARE(NumberFormat::format(-INFINITY, "0.00"), QStringLiteral("-INF"));
    }
};

QTEST_GUILESS_MAIN(TestCoreNumberFormat)
#include "tst_numberformat.moc"
