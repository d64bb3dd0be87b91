#include "printing/QrpFile.h"
#include "printing/Report.h"
#include "printing/ReportLayout.h"
#include "printing/TableReportData.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

namespace {

// Two pages with text in two fonts, a picture, lines and a filled frame.
PreparedReport samplePages()
{
    static TableReportData data({QStringLiteral("Nev"), QStringLiteral("Ertek")});
    if (data.rowCount() == 0) {
        for (int i = 0; i < 70; ++i)
            data.addRow({QStringLiteral("Tétel ő %1").arg(i), i * 2.5});
    }
    QImage logo(12, 6, QImage::Format_ARGB32);
    logo.fill(QColor(10, 120, 200));
    Report report;
    report.setData(&data);
    report.pageHeader().setHeight(20);
    report.pageHeader().picture(QRectF(0, 0, 20, 10), logo);
    report.pageHeader().label(QRectF(30, 0, 100, 8), QStringLiteral("Lista")).setBold();
    report.pageHeader().rectangle(QRectF(0, 12, 190, 6), 0.3).setFill(QColor(230, 230, 230));
    report.detail().setHeight(5);
    report.detail().field(QRectF(0, 0, 80, 5), QStringLiteral("Nev"));
    report.detail().field(QRectF(80, 0, 40, 5), QStringLiteral("Ertek"));
    report.detail().line(QPointF(0, 5), QPointF(120, 5), 0.1);
    return ReportLayout::prepare(report);
}

// The file around a body, with the header's length and hash right, so the body's own checks
// meet the damage.
QByteArray wrap(const QByteArray &body)
{
    const QByteArray packed = qCompress(body);
    QByteArray file("SalviaQRP\n");
    const quint16 version = qToLittleEndian<quint16>(QrpFile::Version);
    file.append(reinterpret_cast<const char *>(&version), 2);
    const quint32 length = qToLittleEndian(quint32(packed.size()));
    file.append(reinterpret_cast<const char *>(&length), 4);
    file.append(QCryptographicHash::hash(packed, QCryptographicHash::Sha256));
    return file + packed;
}

QByteArray mutated(QByteArray bytes, QRandomGenerator &random)
{
    const int edits = 1 + int(random.bounded(4));
    for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
        const int at = int(random.bounded(quint32(bytes.size())));
        switch (random.bounded(5)) {
        case 0: // one bit
            bytes[at] = char(bytes.at(at) ^ (1 << random.bounded(8)));
            break;
        case 1: { // a 32-bit field set to an extreme
            static const quint32 extremes[] = {0, 1, 0x7fffffffu, 0x80000000u, 0xffffffffu, 20001, 65536};
            const quint32 value = qToLittleEndian(extremes[random.bounded(7)]);
            bytes.replace(at, 4, QByteArray(reinterpret_cast<const char *>(&value), 4));
            break;
        }
        case 2: // cut
            bytes.truncate(at);
            break;
        case 3: // a piece repeated
            bytes.insert(at, bytes.mid(int(random.bounded(quint32(bytes.size()))), 1 + int(random.bounded(64))));
            break;
        default: // a piece removed
            bytes.remove(at, 1 + int(random.bounded(64)));
            break;
        }
    }
    return bytes;
}

} // namespace

class TestPrintingQrpFuzz : public QObject
{
    Q_OBJECT

private slots:
    // Damaged files, inside the body (hash made right) and in the whole file: every one is
    // refused with a message or read within the bounds, and what is read can be saved again.
    void damagedFilesNeverCrash_data()
    {
        QTest::addColumn<bool>("wholeFile");
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u}) {
            QTest::addRow("body, seed %u", seed) << false << seed;
            QTest::addRow("whole file, seed %u", seed) << true << seed;
        }
    }
    void damagedFilesNeverCrash()
    {
        QFETCH(bool, wholeFile);
        QFETCH(quint32, seed);
        const PreparedReport pages = samplePages();
        const QByteArray file = QrpFile::encode(pages);
        const QByteArray body = qUncompress(file.mid(48));
        QVERIFY(!body.isEmpty());
        QCOMPARE(wrap(body), file);

        QRandomGenerator random(seed);
        QElapsedTimer clock;
        clock.start();
        int read = 0;
        int runs = 0;
        for (; runs < 2000 && clock.elapsed() < 400; ++runs) {
            const QByteArray bytes = wholeFile ? mutated(file, random) : wrap(mutated(body, random));
            const QrpFile::Loaded loaded = QrpFile::decode(bytes, QStringLiteral("x.qrp"));
            if (!loaded.ok()) {
                QVERIFY2(loaded.error.endsWith(QStringLiteral(", nem nyitható meg:\rx.qrp")), qPrintable(loaded.error));
                QVERIFY(loaded.report.pages.isEmpty());
                continue;
            }
            ++read;
            for (const PreparedReport::Page &page : loaded.report.pages)
                QVERIFY(page.items.size() <= qsizetype(QrpFile::MaxItemsPerPage));
            QVERIFY(!QrpFile::encode(loaded.report).isEmpty());
        }
        QVERIFY(runs >= 20);
        QVERIFY(read < runs);
    }
};

QTEST_MAIN(TestPrintingQrpFuzz)
#include "tst_qrpfuzz.moc"
