#include "widgets/UiBoundedField.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpressionValidator>
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

    // A paste that brings a control character is refused whole; an inner validator judges what
    // is left after the cut.
    void controlCharactersAndInnerRules_data()
    {
        const QString smile = QString::fromUtf8("😀");
        QTest::addColumn<bool>("digitsOnly");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        QTest::newRow("NUL") << false << QString("x") + QChar(0) + "y" << "ab";
        QTest::newRow("start of heading") << false << QString("x\u0001y") << "ab";
        QTest::newRow("line break") << false << QString("0068\n") << "ab";
        QTest::newRow("tab") << false << QString("\tx") << "ab";
        QTest::newRow("delete") << false << QString("x\u007f") << "ab";
        QTest::newRow("C1 control") << false << QString("x\u0085") << "ab";
        QTest::newRow("pair at the limit") << false << "c" + smile << "abc";
        QTest::newRow("digits cut to the limit") << true << QString("123456") << "12";
        QTest::newRow("letter refused by the inner rule") << true << QString("1a") << "";
        QTest::newRow("control character before the inner rule") << true << QString("1\u00012") << "";
    }
    void controlCharactersAndInnerRules()
    {
        QFETCH(bool, digitsOnly);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        QLineEdit edit;
        UiBoundedField::limit(&edit, digitsOnly ? 2 : 4,
            digitsOnly ? new QRegularExpressionValidator(QRegularExpression("\\d*")) : nullptr);
        if (!digitsOnly)
            edit.setText("ab");
        QCOMPARE(edit.text(), digitsOnly ? QString() : QString("ab"));
        QApplication::clipboard()->setText(pasted);
        edit.paste();
        QCOMPARE(edit.text(), after);
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
