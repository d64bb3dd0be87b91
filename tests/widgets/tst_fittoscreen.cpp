#include "widgets/UiFitToScreen.h"

#include <QDialog>
#include <QtTest>

// A window that is about to be shown is sized and moved so that its frame lies inside the
// available area of its screen.
class TestFitToScreen : public QObject
{
    Q_OBJECT
private slots:
    void place_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("decoration");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("fittedSize");
        QTest::addColumn<QPoint>("fittedTopLeft");
        const QRect laptop(0, 0, 1366, 728); // 768 pixels high, less a task bar of 40
        QTest::newRow("tall window on a 768-pixel screen") << QRect(233, 0, 908, 1038) << QSize(900, 1000)
                                                           << QSize(8, 38) << QSize() << laptop << QSize(900, 690)
                                                           << QPoint(233, 0);
        QTest::newRow("fits, stays where it is") << QRect(100, 100, 408, 338) << QSize(400, 300) << QSize(8, 38)
                                                 << QSize() << laptop << QSize(400, 300) << QPoint(100, 100);
        QTest::newRow("past the bottom right, moved in") << QRect(1200, 600, 408, 338) << QSize(400, 300)
                                                         << QSize(8, 38) << QSize() << laptop << QSize(400, 300)
                                                         << QPoint(958, 390);
        QTest::newRow("task bar on top") << QRect(0, 0, 408, 338) << QSize(400, 300) << QSize(8, 38) << QSize()
                                         << QRect(0, 40, 1366, 728) << QSize(400, 300) << QPoint(0, 40);
        QTest::newRow("minimum wins over the screen") << QRect(0, 0, 908, 1038) << QSize(900, 1000) << QSize(8, 38)
                                                      << QSize(0, 800) << laptop << QSize(900, 800) << QPoint(0, 0);
    }
    void place()
    {
        QFETCH(QRect, frame);
        QFETCH(QSize, size);
        QFETCH(QSize, decoration);
        QFETCH(QSize, minimum);
        QFETCH(QRect, area);
        QFETCH(QSize, fittedSize);
        QFETCH(QPoint, fittedTopLeft);
        const UiFitToScreen::Placement placement = UiFitToScreen::place(frame, size, decoration, minimum, area);
        QCOMPARE(placement.size, fittedSize);
        QCOMPARE(placement.frameTopLeft, fittedTopLeft);
    }

    // A first window without a parent, before the platform tells its frame: room is still left
    // for a title bar and borders.
    void unmappedWindowLeavesRoomForItsFrame()
    {
        QDialog window;
        window.resize(900, 1000);
        QCOMPARE(window.frameGeometry().size(), window.size());
        const QSize decoration = UiFitToScreen::decoration(&window);
        QVERIFY2(decoration.height() >= 30, qPrintable(QString::number(decoration.height())));
        QVERIFY(decoration.width() > 0);
        const QRect laptop(0, 0, 1366, 728);
        fitToArea(&window, laptop);
        QVERIFY(window.y() + window.height() + decoration.height() <= laptop.bottom() + 1);
        QVERIFY(window.height() + 30 <= laptop.height());
    }
};

QTEST_MAIN(TestFitToScreen)
#include "tst_fittoscreen.moc"
