#include "core/ScriptedMessenger.h"

#include <QtTest>

class TestCoreMessenger : public QObject
{
    Q_OBJECT
private slots:
    void buttonResults_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << "OK" << 1;
        QTest::newRow("Mégse") << "Mégse" << 2;
        QTest::newRow("Bezár") << "Bezár" << 2;
        QTest::newRow("Megszakít") << "Megszakít" << 3;
        QTest::newRow("Újra") << "Újra" << 4;
        QTest::newRow("Visszavon") << "Visszavon" << 5;
        QTest::newRow("Igen") << "Igen" << 6;
        QTest::newRow("Nem") << "Nem" << 7;
        QTest::newRow("Súgó") << "Súgó" << 8;
        QTest::newRow("unknown") << "Talán" << 0;
    }
    void buttonResults()
    {
        QFETCH(QString, caption);
        QFETCH(int, result);
        QCOMPARE(buttonResult(caption), result);
    }

    void scriptedAnswersAndRecords()
    {
        ScriptedMessenger messenger;
        messenger.answer(MsgResult::No);
        QCOMPARE(messenger.showMessage("Kérdés", Symbol::Question, "Biztos?", "Igen", "Nem"), MsgResult::No);
        // An empty script answers with the first button.
        QCOMPARE(messenger.showMessage("Kérdés", Symbol::Question, "Biztos?", "Igen", "Nem"), MsgResult::Yes);
        QCOMPARE(messenger.shown().size(), 2);
        QCOMPARE(messenger.last().buttons, QStringList({"Igen", "Nem"}));
    }
};

QTEST_GUILESS_MAIN(TestCoreMessenger)
#include "tst_messenger.moc"
