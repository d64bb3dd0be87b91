#include "widgets/UiAllergenPictures.h"
#include "support/PictureCompare.h"

#include <QFile>
#include <QtTest>

// The allergen pictures painted in code and the BMP files in resources/Pictures must agree, and
// every picture the allergen table names must be there. With SALVIA_WRITE_PICTURES=1 in the
// environment the test first (re)writes those BMP files.
class TestAppAllergenPictures : public QObject
{
    Q_OBJECT
private:
    static QString sourceDir() { return qEnvironmentVariable("SALVIA_SOURCE_DIR"); }

    // How many pixels differ noticeably in brightness: what still tells two pictures apart on a
    // black-and-white printout.
    static int greyPixelsApart(const QImage &a, const QImage &b)
    {
        int count = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                if (qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 40)
                    ++count;
            }
        }
        return count;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(!sourceDir().isEmpty());
        if (qEnvironmentVariable("SALVIA_WRITE_PICTURES") == "1") {
            for (const QString &name : allergenPictureNames())
                QVERIFY(allergenPicture(name).save(PictureCompare::picturesDir() + "/" + name, "BMP"));
        }
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : allergenPictureNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void pictures()
    {
        QFETCH(QString, name);
        const QImage painted = allergenPicture(name);
        QCOMPARE(painted.size(), QSize(32, 32));
        // White corners: the pictures sit on paper.
        QCOMPARE(painted.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(painted.pixel(31, 31), qRgb(255, 255, 255));

        QFile file(PictureCompare::picturesDir() + "/" + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name + " is missing"));
        // A real Windows bitmap, whatever the extension says.
        QCOMPARE(file.read(2), QByteArray("BM"));
        file.close();
        QImage stored;
        QVERIFY(stored.load(file.fileName(), "BMP"));
        QCOMPARE(stored.size(), painted.size());
        QVERIFY2(PictureCompare::largestDifference(stored.convertToFormat(QImage::Format_RGB32), painted) <= 8,
            qPrintable(name + " differs from the painted picture"));
    }

    void blankAndAttention()
    {
        const QImage blank = allergenPicture("feher.bmp");
        for (int y = 0; y < blank.height(); ++y) {
            for (int x = 0; x < blank.width(); ++x)
                QCOMPARE(blank.pixel(x, y), qRgb(255, 255, 255));
        }
        // The attention mark is drawn right in the middle.
        QVERIFY(qGray(allergenPicture("figyelem.bmp").pixel(16, 16)) < 128);
    }

    // Every picture can be told from every other one, in black and white too.
    void picturesDistinct()
    {
        const QStringList names = allergenPictureNames();
        for (int i = 0; i < names.size(); ++i) {
            for (int j = i + 1; j < names.size(); ++j) {
                QVERIFY2(greyPixelsApart(allergenPicture(names[i]), allergenPicture(names[j])) > 40,
                    qPrintable(names[i] + " looks like " + names[j]));
            }
        }
    }

    // Each row of the reference allergen table names a picture that is painted and shipped.
    void referenceTableNamesPictures()
    {
        QFile table(sourceDir() + "/resources/logic/reference/Allergen.csv");
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList header = QString::fromUtf8(table.readLine()).trimmed().split(';');
        const int column = header.indexOf("Jeloles");
        QVERIFY(column >= 0);
        int rows = 0;
        while (!table.atEnd()) {
            const QString line = QString::fromUtf8(table.readLine()).trimmed();
            if (line.isEmpty())
                continue;
            const QString picture = line.split(';').value(column);
            QVERIFY2(allergenPictureNames().contains(picture), qPrintable(picture + " is not painted"));
            QVERIFY2(
                QFile::exists(PictureCompare::picturesDir() + "/" + picture), qPrintable(picture + " is not shipped"));
            ++rows;
        }
        QCOMPARE(rows, 14);
    }

    void unknownNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("group 0") << "A00.bmp";
        QTest::newRow("group 15") << "A15.bmp";
        QTest::newRow("no padding") << "A1.bmp";
        QTest::newRow("lower case") << "a01.bmp";
        QTest::newRow("no extension") << "A01";
        QTest::newRow("other extension") << "A01.png";
        QTest::newRow("symbol picture") << "D1.png";
        QTest::newRow("empty") << "";
    }
    void unknownNames()
    {
        QFETCH(QString, name);
        QVERIFY(allergenPicture(name).isNull());
    }
};

QTEST_MAIN(TestAppAllergenPictures)
#include "tst_allergenpictures.moc"
