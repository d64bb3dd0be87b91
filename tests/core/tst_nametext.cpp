#include "core/NameText.h"

#include <QtTest>

// Names refuse the characters that break a line or a file, and halves of surrogate pairs.
class TestNameText : public QObject
{
    Q_OBJECT
private slots:
    void isClean_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("clean");
        QTest::newRow("plain") << "Darált sertéshús" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("percent and punctuation") << "Tejföl 20% (pohár), 1/2 kg" << true;
        QTest::newRow("emoji pair") << QString::fromUtf8("Alma 🍎") << true;
        QTest::newRow("NUL") << QString("Liszt") + QChar(0) + "x" << false;
        QTest::newRow("tab") << "Liszt\tBL55" << false;
        QTest::newRow("line feed") << "Liszt\nBL55" << false;
        QTest::newRow("carriage return") << "Liszt\r" << false;
        QTest::newRow("escape") << QString("Liszt") + QChar(0x1B) << false;
        QTest::newRow("DEL") << QString("Liszt") + QChar(0x7F) << false;
        QTest::newRow("C1 control") << QString("Liszt") + QChar(0x85) << false;
        QTest::newRow("lone high surrogate") << QString("Alma ") + QChar(0xD83C) << false;
        QTest::newRow("lone low surrogate") << QString(QChar(0xDF4E)) + "Alma" << false;
    }
    void isClean()
    {
        QFETCH(QString, text);
        QFETCH(bool, clean);
        QCOMPARE(NameText::isClean(text), clean);
        const Refusal refusal = NameText::check(text, "edtMegnevezes");
        QCOMPARE(refusal.isNull(), clean);
        if (!clean) {
            QCOMPARE(refusal.text, QString("Hibás értékadás!\rA megnevezés nem tartalmazhat vezérlőkaraktert!"));
            QCOMPARE(refusal.caption, QString("HIBA!"));
            QCOMPARE(refusal.focus, QString("edtMegnevezes"));
        }
    }
};

QTEST_GUILESS_MAIN(TestNameText)
#include "tst_nametext.moc"
