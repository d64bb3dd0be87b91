#include "widgets/UiBoundedField.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

// Text pasted or typed into a bounded field is cut where a character ends, dropping the part of
// the insertion that does not fit.
class TestBoundedField : public QObject
{
    Q_OBJECT
private slots:
    void pasteIsCutOnACharacterBoundary_data()
    {
        const QString smile = QString::fromUtf8("😀"); // two UTF-16 units
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        QTest::newRow("fits") << 6 << "ab" << 2 << smile + "c" << "ab" + smile + "c";
        QTest::newRow("pair would be split at the end") << 4 << "abc" << 3 << smile << "abc";
        QTest::newRow("pairs up to the limit") << 4 << "" << 0 << smile + smile + smile << smile + smile;
        QTest::newRow("odd limit keeps whole pairs") << 5 << "" << 0 << smile + smile + smile << smile + smile;
        QTest::newRow("pasted in the middle keeps the tail") << 6 << "abcd" << 2 << smile + smile << "ab" + smile + "cd";
        QTest::newRow("plain text cut as before") << 5 << "ab" << 2 << "Burgonya" << "abBur";
        QTest::newRow("accented letters are one unit") << 3 << "" << 0 << "Étel" << "Éte";
    }
    void pasteIsCutOnACharacterBoundary()
    {
        QFETCH(int, limit);
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        QLineEdit edit;
        UiBoundedField::limit(&edit, limit);
        edit.setText(before);
        edit.setCursorPosition(cursor);
        QApplication::clipboard()->setText(pasted);
        edit.paste();
        QCOMPARE(edit.text(), after);
        QVERIFY(edit.text().isValidUtf16());
        QVERIFY(edit.text().size() <= limit);
    }

    // Typing at the limit adds nothing; the field is never left over its limit.
    void typingStopsAtTheLimit()
    {
        QLineEdit edit;
        UiBoundedField::limit(&edit, 4);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QTest::keyClicks(&edit, "Almafa");
        QCOMPARE(edit.text(), QString("Alma"));
        edit.setText("Körtefa");
        QCOMPARE(edit.text(), QString("Kört"));
    }
};

QTEST_MAIN(TestBoundedField)
#include "tst_boundedfield.moc"
