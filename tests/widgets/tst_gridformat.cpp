#include "widgets/UiGridFormat.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QtTest>

// Every grid shows dates and numbers as the program writes them and sizes its columns to fit.
class TestGridFormat : public QObject
{
    Q_OBJECT
private slots:
    void cellsAreShownAsTheProgramWritesThem_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("date") << QVariant(QDate(2026, 12, 10)) << "2026.12.10.";
        QTest::newRow("ISO date text") << QVariant(QString("2026-12-10")) << "2026.12.10.";
        QTest::newRow("not a date") << QVariant(QString("2026-13-40")) << "2026-13-40";
        QTest::newRow("name") << QVariant(QString("Darált sertéshús")) << "Darált sertéshús";
        QTest::newRow("seven digits in full") << QVariant(703.51263) << "703,51263";
        QTest::newRow("large value") << QVariant(4121021.25) << "4121021,25";
        QTest::newRow("whole") << QVariant(2.0) << "2";
        QTest::newRow("integer") << QVariant(205) << "205";
    }
    void cellsAreShownAsTheProgramWritesThem()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, shown);
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), value);
        QTableView grid;
        grid.setModel(&model);
        UiGridFormat::install(&grid);
        auto *delegate = qobject_cast<QStyledItemDelegate *>(grid.itemDelegate());
        QVERIFY(delegate);
        QCOMPARE(delegate->displayText(model.index(0, 0).data(), QLocale()), shown);
    }

    // Columns follow their widest caption or cell after every reset, never past a third of the
    // screen.
    void columnsFitTheirContents()
    {
        QStandardItemModel model;
        QTableView grid;
        grid.setModel(&model);
        UiGridFormat::install(&grid);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        model.setHorizontalHeaderLabels({"Mozgásnem kód", "Megnevezés", "Megjegyzés"});
        model.appendRow({new QStandardItem("01"), new QStandardItem("Darált sertéshús, lapocka"),
            new QStandardItem(QString(400, 'x'))});
        const QFontMetrics metrics = grid.horizontalHeader()->fontMetrics();
        QHeaderView *header = grid.horizontalHeader();
        QTRY_VERIFY(header->sectionSize(0) >= metrics.horizontalAdvance("Mozgásnem kód"));
        QTRY_VERIFY(header->sectionSize(1) >= grid.fontMetrics().horizontalAdvance("Darált sertéshús, lapocka"));
        QVERIFY(header->sectionSize(2) <= grid.screen()->availableGeometry().width() / 3);
    }
};

QTEST_MAIN(TestGridFormat)
#include "tst_gridformat.moc"
