#include "core/Codes.h"

#include <QtTest>

Q_DECLARE_METATYPE(Codes::Kind)

class TestCoreCodes : public QObject
{
    Q_OBJECT
private slots:
    void widths_data()
    {
        QTest::addColumn<Codes::Kind>("kind");
        QTest::addColumn<int>("width");
        QTest::newRow("ledger account") << Codes::Kind::LedgerAccount << 3;
        QTest::newRow("register number") << Codes::Kind::RegisterNumber << 4;
        QTest::newRow("partner") << Codes::Kind::Partner << 5;
        QTest::newRow("voucher number") << Codes::Kind::VoucherNumber << 8;
        QTest::newRow("movement type") << Codes::Kind::MovementType << 2;
        QTest::newRow("VAT code") << Codes::Kind::VatCode << 2;
        QTest::newRow("VAT group") << Codes::Kind::VatGroup << 2;
        QTest::newRow("material group") << Codes::Kind::MaterialGroup << 2;
        QTest::newRow("loss code") << Codes::Kind::LossCode << 2;
    }
    void widths()
    {
        QFETCH(Codes::Kind, kind);
        QFETCH(int, width);
        QCOMPARE(Codes::width(kind), width);
        // The widest number of the kind is accepted, one more digit is not.
        const QString widest(width, QLatin1Char('9'));
        QCOMPARE(Codes::pad(kind, widest).value, widest);
        QCOMPARE(Codes::pad(kind, widest + "9").refusal.text,
            QStringLiteral("Hibás számot adott meg!\rA szám 0 és %1 közötti lehet").arg(widest));
        QCOMPARE(Codes::pad(kind, qint64(7)), QString(width - 1, QLatin1Char('0')) + "7");
    }

    void typed_data()
    {
        QTest::addColumn<Codes::Kind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("ledger 42") << Codes::Kind::LedgerAccount << "42" << "042" << "";
        QTest::newRow("register 7") << Codes::Kind::RegisterNumber << "7" << "0007" << "";
        QTest::newRow("partner 1") << Codes::Kind::Partner << "1" << "00001" << "";
        QTest::newRow("voucher 12") << Codes::Kind::VoucherNumber << "12" << "00000012" << "";
        QTest::newRow("zero") << Codes::Kind::MovementType << "0" << "00" << "";
        QTest::newRow("already padded") << Codes::Kind::LedgerAccount << "042" << "042" << "";
        QTest::newRow("extra leading zeros") << Codes::Kind::LedgerAccount << "0042" << "042" << "";
        QTest::newRow("surrounding blanks") << Codes::Kind::VatCode << " 5 " << "05" << "";
        QTest::newRow("too long") << Codes::Kind::LedgerAccount << "1000" << ""
                                  << "Hibás számot adott meg!\rA szám 0 és 999 közötti lehet";
        QTest::newRow("too long, two digits") << Codes::Kind::LossCode << "100" << ""
                                              << "Hibás számot adott meg!\rA szám 0 és 99 közötti lehet";
        const QString notDigits = "Hibás számot adott meg!\rA kód csak számjegyeket tartalmazhat";
        QTest::newRow("letters") << Codes::Kind::Partner << "12a" << "" << notDigits;
        QTest::newRow("negative") << Codes::Kind::Partner << "-1" << "" << notDigits;
        QTest::newRow("decimal") << Codes::Kind::Partner << "1,5" << "" << notDigits;
        QTest::newRow("inner blank") << Codes::Kind::Partner << "1 2" << "" << notDigits;
        QTest::newRow("empty") << Codes::Kind::Partner << "  " << ""
                               << "A kód megadása kötelező!";
    }
    void typed()
    {
        QFETCH(Codes::Kind, kind);
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QFETCH(QString, message);
        const Checked<QString> result = Codes::pad(kind, typed, QStringLiteral("edtKod"));
        QCOMPARE(result.ok(), message.isEmpty());
        QCOMPARE(result.value, code);
        if (message.isEmpty()) {
            QCOMPARE(result.refusal, Refusal());
        } else {
            QCOMPARE(result.refusal.caption, QStringLiteral("HIBA!"));
            QCOMPARE(result.refusal.symbol, 2);
            QCOMPARE(result.refusal.text, message);
            QCOMPARE(result.refusal.focus, QStringLiteral("edtKod"));
        }
    }

    void computedNumbers()
    {
        QCOMPARE(Codes::pad(Codes::Kind::VoucherNumber, qint64(99999999)), QStringLiteral("99999999"));
        QVERIFY(!Codes::pad(Codes::Kind::VoucherNumber, qint64(100000000)));
        QVERIFY(!Codes::pad(Codes::Kind::Partner, qint64(-1)));
    }
};

QTEST_GUILESS_MAIN(TestCoreCodes)
#include "tst_codes.moc"
