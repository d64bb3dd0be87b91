#include "stock/CorrectionListModel.h"

#include <QBrush>
#include <QtTest>

// The correction list's rows as its grid shows them, without a window.
class TestCorrectionList : public QObject
{
    Q_OBJECT

    static CorrectionList::Row row(bool stat, const QString &mozgnem, const QString &bk = QStringLiteral("KI"))
    {
        CorrectionList::Row row;
        row.raktAzon = 7;
        row.datum = QDate(2025, 3, 1);
        row.bizSzam = QStringLiteral("00000042");
        row.fokSzla = QStringLiteral("100");
        row.nyilvSzam = QStringLiteral("0001");
        row.anyagNev = QStringLiteral("Liszt");
        row.bk = bk;
        row.mozgnem = mozgnem;
        row.mozgnemNev = QStringLiteral("Kiadás");
        row.tetelMenny = 2.5;
        row.keszletMenny = 7.125;
        row.mertekegyseg = QStringLiteral("KG");
        row.partnerNev = QStringLiteral("Gabona Kft.");
        row.irszam = QStringLiteral("1111");
        row.telepules = QStringLiteral("Budapest");
        row.utca = QStringLiteral("Malom u. 2.");
        row.user = QStringLiteral("anna");
        row.stat = stat;
        return row;
    }

private slots:
    void rationItemsStandOutInTheirColour_data()
    {
        QTest::addColumn<bool>("stat");
        QTest::addColumn<QString>("mozgnem");
        QTest::addColumn<QString>("bk");
        QTest::addColumn<QColor>("colour"); // invalid: the view's own text colour
        QTest::newRow("ration-sheet item") << true << "07" << "KI" << QColor(Qt::blue);
        QTest::newRow("ration-sheet item of another issue type") << true << "03" << "KI" << QColor(Qt::blue);
        QTest::newRow("a-la-carte ration-sheet item") << true << "08" << "KI" << QColor(Qt::darkGreen);
        QTest::newRow("manual issue") << false << "03" << "KI" << QColor();
        QTest::newRow("manual issue typed as a-la-carte") << false << "08" << "KI" << QColor();
        QTest::newRow("receipt") << false << "01" << "BE" << QColor();
    }
    void rationItemsStandOutInTheirColour()
    {
        QFETCH(bool, stat);
        QFETCH(QString, mozgnem);
        QFETCH(QString, bk);
        QFETCH(QColor, colour);
        CorrectionListModel model;
        model.setRows({row(false, "03"), row(stat, mozgnem, bk)});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 15);
        for (int column = 0; column < model.columnCount(); ++column) {
            const QVariant foreground = model.index(1, column).data(Qt::ForegroundRole);
            if (colour.isValid())
                QCOMPARE(foreground.value<QBrush>().color(), colour);
            else
                QVERIFY(!foreground.isValid());
            // Only the text colour: a selected row keeps the selection's colours.
            QVERIFY(!model.index(1, column).data(Qt::BackgroundRole).isValid());
            QVERIFY(!model.index(0, column).data(Qt::ForegroundRole).isValid());
        }
    }

    void columnsShowTheRow()
    {
        CorrectionListModel model;
        model.setRows({row(true, "07")});
        QStringList captions;
        QStringList texts;
        for (int column = 0; column < model.columnCount(); ++column) {
            captions << model.headerData(column, Qt::Horizontal).toString();
            texts << model.index(0, column).data().toString();
        }
        QCOMPARE(captions,
            (QStringList {"Dátum", "Bizonylatszám", "Fők. sz.", "Anyagkód", "Anyagnév", "Irány", "Mozgásnem", "Tétel",
                "Készlet", "Mértékegység", "Beszállító", "Ir. szám", "Település", "Cím", "Felhasználó"}));
        QCOMPARE(texts,
            (QStringList {"2025.03.01.", "00000042", "100", "0001", "Liszt", "KI", "Kiadás", "2,5", "7,125", "KG",
                "Gabona Kft.", "1111", "Budapest", "Malom u. 2.", "anna"}));
        QVERIFY(!model.index(0, 15).data().isValid());
    }
};

QTEST_GUILESS_MAIN(TestCorrectionList)
#include "tst_correctionlist.moc"
