#include "widgets/UiSymbolPictures.h"
#include "support/PictureCompare.h"

#include <QDir>
#include <QtTest>

// The symbol pictures painted in code and the PNG copies in resources/Pictures must agree.
// With SALVIA_WRITE_PICTURES=1 in the environment the test first (re)writes those PNG files.
class TestAppSymbolPictures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(!qEnvironmentVariable("SALVIA_SOURCE_DIR").isEmpty());
        if (qEnvironmentVariable("SALVIA_WRITE_PICTURES") == "1") {
            for (int n = 1; n <= 19; ++n) {
                const QString name = "D" + QString::number(n);
                if (isSymbolPicture(name))
                    QVERIFY(symbolImage(name).save(PictureCompare::picturesDir() + "/" + name + ".png"));
            }
        }
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        for (int n = 1; n <= 9; ++n) {
            QTest::newRow(qPrintable("D" + QString::number(n))) << "D" + QString::number(n);
            QTest::newRow(qPrintable("D" + QString::number(n + 10))) << "D" + QString::number(n + 10);
        }
    }
    void pictures()
    {
        QFETCH(QString, name);
        const QImage painted = symbolImage(name);
        QCOMPARE(painted.size(), QSize(32, 32));
        QVERIFY(painted.hasAlphaChannel());
        // Transparent corner, something drawn in the middle.
        QCOMPARE(qAlpha(painted.pixel(0, 31)), 0);
        QVERIFY(qAlpha(painted.pixel(16, 16)) > 0);

        const QImage stored(PictureCompare::picturesDir() + "/" + name + ".png");
        QVERIFY2(!stored.isNull(), qPrintable(name + ".png is missing"));
        QCOMPARE(stored.size(), painted.size());
        QVERIFY2(PictureCompare::largestDifference(stored.convertToFormat(QImage::Format_ARGB32), painted) <= 8,
            qPrintable(name + ".png differs from the painted picture"));
    }

    void flatAndShadedDiffer_data()
    {
        QTest::addColumn<int>("symbol");
        for (int n = 1; n <= 9; ++n)
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void flatAndShadedDiffer()
    {
        QFETCH(int, symbol);
        const QImage flat = symbolImage("D" + QString::number(symbol));
        const QImage shaded = symbolImage("D" + QString::number(symbol + 10));
        QVERIFY(PictureCompare::largestDifference(flat, shaded) > 40);
        // Every symbol looks different from every other one.
        for (int other = 1; other <= 9; ++other) {
            if (other != symbol)
                QVERIFY(flat != symbolImage("D" + QString::number(other)));
        }
    }

    void unknownNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("D0") << "D0";
        QTest::newRow("D10") << "D10";
        QTest::newRow("D20") << "D20";
        QTest::newRow("D03") << "D03";
        QTest::newRow("lower case") << "d3";
        QTest::newRow("empty") << "";
    }
    void unknownNames()
    {
        QFETCH(QString, name);
        QVERIFY(!isSymbolPicture(name));
        QVERIFY(symbolImage(name).isNull());
        QVERIFY(symbolPicture(name).isNull());
    }
};

QTEST_MAIN(TestAppSymbolPictures)
#include "tst_symbolpictures.moc"
