#include "widgets/UiEnterMovesFocus.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// Enter in a chain of a shown dialog: the field's own Enter runs first, then the focus moves on;
// the chain's last button records.
class TestEnterMovesFocus : public QObject
{
    Q_OBJECT

    struct Chain
    {
        QDialog dialog;
        QLineEdit *code = new QLineEdit(&dialog);
        QLineEdit *quantity = new QLineEdit(&dialog);
        QPushButton *record = new QPushButton(QStringLiteral("&Rögzít"), &dialog);
        int recorded = 0;

        Chain()
        {
            record->setAutoDefault(false);
            QObject::connect(record, &QPushButton::clicked, &dialog, [this] { ++recorded; });
            UiEnterMovesFocus::install({code, quantity, record});
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QApplication::setActiveWindow(&dialog);
        }
    };

private slots:
    void fieldLooksUpBeforeTheFocusMoves_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void fieldLooksUpBeforeTheFocusMoves()
    {
        QFETCH(int, key);
        Chain chain;
        QString lookedUp;
        connect(chain.code, &QLineEdit::returnPressed, this, [&] {
            lookedUp = chain.code->text();
            chain.code->setText(QStringLiteral("0068"));
        });
        chain.code->setFocus();
        QTest::keyClicks(chain.code, QStringLiteral("68"));
        QTest::keyClick(chain.code, Qt::Key(key));
        QCOMPARE(lookedUp, QStringLiteral("68"));
        QCOMPARE(chain.code->text(), QStringLiteral("0068"));
        QCOMPARE(QApplication::focusWidget(), chain.quantity);
        QCOMPARE(chain.recorded, 0);
    }

    void fieldThatMovesTheFocusItselfKeepsIt()
    {
        Chain chain;
        connect(chain.code, &QLineEdit::returnPressed, this, [&] { chain.record->setFocus(); });
        chain.code->setFocus();
        QTest::keyClick(chain.code, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), chain.record);
        QCOMPARE(chain.recorded, 0);
    }

    void lastButtonRecordsOnEnterOnce_data()
    {
        QTest::addColumn<bool>("autoDefault");
        QTest::newRow("plain button") << false;
        QTest::newRow("auto-default button") << true;
    }

    void lastButtonRecordsOnEnterOnce()
    {
        QFETCH(bool, autoDefault);
        Chain chain;
        chain.record->setAutoDefault(autoDefault);
        chain.quantity->setFocus();
        QTest::keyClick(chain.quantity, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), chain.record);
        QCOMPARE(chain.recorded, 0);
        QTest::keyClick(chain.record, Qt::Key_Return);
        QCOMPARE(chain.recorded, 1);
        QTest::keyClick(chain.record, Qt::Key_Enter);
        QCOMPARE(chain.recorded, 2);
        QVERIFY(chain.dialog.isVisible());
    }
};

QTEST_MAIN(TestEnterMovesFocus)
#include "tst_entermovesfocus.moc"
