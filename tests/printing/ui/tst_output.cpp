#include "printing/ui/PageOutput.h"
#include "printing/PageRenderer.h"
#include "printing/QrpFile.h"
#include "printing/Report.h"
#include "printing/ReportLayout.h"
#include "printing/TableReportData.h"
#include "support/PrintedPages.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cmath>

namespace {

// Three pages with every kind of item: two fonts, wrapped text, a picture, lines, frames, fills.
PreparedReport samplePages(bool landscape = false)
{
    static TableReportData data({QStringLiteral("Nev"), QStringLiteral("Ertek")});
    if (data.rowCount() == 0) {
        for (int i = 0; i < 130; ++i)
            data.addRow({QStringLiteral("Őszibarack ű %1").arg(i), i * 10.5});
    }
    QImage logo(16, 8, QImage::Format_ARGB32);
    logo.fill(QColor(10, 120, 200, 255));
    Report report;
    report.setLandscape(landscape);
    report.setData(&data);
    report.setPrintTime(QDateTime(QDate(2006, 3, 15), QTime(8, 30)));
    ReportBand &header = report.pageHeader();
    header.setHeight(25);
    header.picture(QRectF(0, 0, 20, 10), logo);
    header.label(QRectF(30, 0, 100, 8), QStringLiteral("Anyagleltár")).setBold().setFontSize(14);
    header.system(QRectF(150, 0, 30, 5), ReportElement::SystemField::PageNumber);
    header.rectangle(QRectF(0, 12, 190, 10), 0.3).setFill(QColor(230, 230, 230));
    header
        .label(QRectF(2, 13, 180, 8),
            QStringLiteral("Hosszú szöveg, amely több sorba törik, mert nem fér el egy "
                           "sorban a megadott szélességen belül."))
        .setWordWrap();
    report.detail().setHeight(5);
    report.detail().field(QRectF(0, 0, 80, 5), QStringLiteral("Nev"));
    report.detail().field(QRectF(80, 0, 40, 5), QStringLiteral("Ertek")).setAlignment(Qt::AlignRight);
    report.detail().line(QPointF(0, 5), QPointF(120, 5), 0.1);
    report.summary().setHeight(10);
    report.summary().label(QRectF(0, 0, 40, 5), QStringLiteral("Összesítés:")).setItalic().setUnderline();
    report.summary().sum(QRectF(80, 0, 40, 5), QStringLiteral("Ertek"), QString()).setAlignment(Qt::AlignRight);
    return ReportLayout::prepare(report);
}

QString pdfText(const QString &path, QStringList extra = {})
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), extra << QStringLiteral("-layout") << path << QStringLiteral("-"));
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(30000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// A file in the saved-printout format around the given (unpacked) body, with a correct hash,
// so that only the body's own checks can refuse it.
QByteArray wrapBody(const QByteArray &body, quint16 version = 1)
{
    const QByteArray packed = qCompress(body);
    QByteArray file("SalviaQRP\n");
    quint16 v = qToLittleEndian(version);
    file.append(reinterpret_cast<const char *>(&v), 2);
    quint32 length = qToLittleEndian(quint32(packed.size()));
    file.append(reinterpret_cast<const char *>(&length), 4);
    file.append(QCryptographicHash::hash(packed, QCryptographicHash::Sha256));
    file.append(packed);
    return file;
}

template <typename T> void put(QByteArray &bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof(T));
}

QByteArray bodyStart()
{
    QByteArray body;
    put<quint32>(body, 0); // empty job title
    double width = 210, height = 297;
    put<quint64>(body, *reinterpret_cast<quint64 *>(&width));
    put<quint64>(body, *reinterpret_cast<quint64 *>(&height));
    return body;
}

QByteArray itemBody(quint8 kind, quint16 font, qint32 image, float x)
{
    QByteArray body = bodyStart();
    put<quint32>(body, 0); // fonts
    put<quint32>(body, 0); // images
    put<quint32>(body, 1); // pages
    put<quint32>(body, 1); // items
    put<quint8>(body, kind);
    put<quint16>(body, font);
    put<quint16>(body, 0);
    put<quint16>(body, 10);
    put<quint32>(body, *reinterpret_cast<quint32 *>(&x));
    for (int i = 0; i < 3; ++i)
        put<quint32>(body, 0);
    put<quint32>(body, 0xff000000);
    put<quint32>(body, 0);
    put<qint32>(body, image);
    put<quint32>(body, 0);
    return body;
}

QByteArray pngOf(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

// One page: `pictures` copies of one PNG, each drawn once, then `lines` lines.
QByteArray boundsBody(int pictures, const QSize &side, int lines)
{
    QByteArray body = bodyStart();
    put<quint32>(body, 0); // fonts
    const QByteArray png = pngOf(side);
    put<quint32>(body, quint32(pictures));
    for (int i = 0; i < pictures; ++i) {
        put<quint32>(body, quint32(png.size()));
        body.append(png);
    }
    put<quint32>(body, 1); // pages
    put<quint32>(body, quint32(pictures + lines));
    for (int i = 0; i < pictures + lines; ++i) {
        const bool picture = i < pictures;
        put<quint8>(body, picture ? 4 : 2);
        put<quint16>(body, 0);
        put<quint16>(body, 0);
        put<quint16>(body, 10);
        const float x = 10, y = 10 + i % 200, w = 20, h = picture ? 20 : 0;
        for (float value : {x, y, w, h})
            put<quint32>(body, *reinterpret_cast<const quint32 *>(&value));
        put<quint32>(body, 0xff000000);
        put<quint32>(body, 0);
        put<qint32>(body, picture ? i : -1);
        put<quint32>(body, 0);
    }
    return body;
}

QImage rendered(const PreparedReport &report, int page)
{
    QImage image(210, 297, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PageRenderer(report).paint(painter, page, QPointF(0, 0), 1.0);
    return image;
}

} // namespace

class TestPrintingOutput : public QObject
{
    Q_OBJECT

private slots:
    void savedPagesLoadEqual_data();
    void savedPagesLoadEqual();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void oneFileIsBounded_data();
    void oneFileIsBounded();
    void failedSaveLeavesNoFile();
    void pdfHoldsTheTextOfEveryPage();
    void printerGetsThePagesInItsRange();
    void pdfToUnwritablePlaceIsReported();

private:
    QTemporaryDir m_dir;
};

void TestPrintingOutput::savedPagesLoadEqual_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << false;
    QTest::newRow("landscape") << true;
}

void TestPrintingOutput::savedPagesLoadEqual()
{
    QFETCH(bool, landscape);
    const PreparedReport pages = samplePages(landscape);
    QVERIFY(pages.pages.size() >= 3);
    const QString path = m_dir.filePath(QStringLiteral("lista.qrp"));
    QCOMPARE(QrpFile::save(pages, path), QString());
    const QrpFile::Loaded loaded = QrpFile::load(path);
    QCOMPARE(loaded.error, QString());
    QCOMPARE(loaded.report.pageSize, landscape ? QSizeF(297, 210) : QSizeF(210, 297));
    QCOMPARE(loaded.report.pages.size(), pages.pages.size());
    for (int page = 0; page < pages.pages.size(); ++page)
        QCOMPARE(loaded.report.pages.at(page).items, pages.pages.at(page).items);
    QVERIFY(loaded.report == pages);
    // Saving what was loaded gives the same file.
    QCOMPARE(QrpFile::encode(loaded.report), QrpFile::encode(pages));
    // The loaded pages decode their pictures when painted and look the same.
    for (int page = 0; page < pages.pages.size(); ++page)
        QCOMPARE(rendered(loaded.report, page), rendered(pages, page));
}

void TestPrintingOutput::damagedFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QString foreign = QStringLiteral("A fájl nem mentett nyomtatás, nem nyitható meg:\r");
    const QString damaged = QStringLiteral("A mentett nyomtatás sérült vagy hiányos, nem nyitható meg:\r");
    const QByteArray good = QrpFile::encode(samplePages());

    QTest::newRow("empty file") << QByteArray() << foreign;
    QTest::newRow("text file") << QByteArray("Ez egy szöveg, nem nyomtatás.\r\n") << foreign;
    QTest::newRow("PDF file") << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj") << foreign;
    QTest::newRow("magic only") << good.left(10) << damaged;
    QTest::newRow("header only") << good.left(48) << damaged;
    QTest::newRow("cut in half") << good.left(good.size() / 2) << damaged;
    QTest::newRow("last byte missing") << good.chopped(1) << damaged;
    QTest::newRow("extra byte") << good + QByteArray(1, '\0') << damaged;
    QByteArray flipped = good;
    flipped[flipped.size() - 20] = char(flipped.at(flipped.size() - 20) ^ 0x40);
    QTest::newRow("one byte changed") << flipped << damaged;
    const QString newerMessage
        = QStringLiteral("A mentett nyomtatás a program újabb változatával készült, nem nyitható meg:\r");
    QByteArray newer = good;
    newer[10] = 2;
    QTest::newRow("newer version") << newer << newerMessage;
    QTest::newRow("newer version, body of another layout")
        << wrapBody(QByteArray("a body this version cannot read"), 7) << newerMessage;
    QByteArray noise = good.left(10);
    for (int i = 0; i < 200; ++i)
        noise.append(char((i * 73 + 41) % 256));
    QTest::newRow("random bytes after the magic") << noise << damaged;
    QByteArray newerButNoise = noise;
    newerButNoise[10] = 2;
    newerButNoise[11] = 0;
    QTest::newRow("newer version field, random bytes after it") << newerButNoise << damaged;

    // Well-formed outside, hostile inside.
    QByteArray hugePages = bodyStart();
    put<quint32>(hugePages, 0);
    put<quint32>(hugePages, 0);
    put<quint32>(hugePages, 0xffffffffu);
    QTest::newRow("page count beyond the data") << wrapBody(hugePages) << damaged;
    QByteArray hugeString = bodyStart();
    hugeString[0] = char(0xff);
    hugeString[1] = char(0xff);
    hugeString[2] = char(0xff);
    hugeString[3] = char(0x7f);
    QTest::newRow("string length beyond the data") << wrapBody(hugeString) << damaged;
    QTest::newRow("font that does not exist") << wrapBody(itemBody(1, 3, -1, 10)) << damaged;
    QTest::newRow("picture that does not exist") << wrapBody(itemBody(4, 0, 0, 10)) << damaged;
    QTest::newRow("unknown item kind") << wrapBody(itemBody(9, 0, -1, 10)) << damaged;
    QTest::newRow("coordinate not a number") << wrapBody(itemBody(2, 0, -1, std::nanf(""))) << damaged;
    QTest::newRow("no pages") << wrapBody(bodyStart() + QByteArray(12, '\0')) << damaged;
    QByteArray bomb = wrapBody(QByteArray(64, 'x'));
    bomb[48] = char(0x7f); // the packed body claims 2 GB once unpacked
    QByteArray bombHeader = bomb.left(16);
    const QByteArray bombPacked = bomb.mid(48);
    bombHeader += QCryptographicHash::hash(bombPacked, QCryptographicHash::Sha256);
    QTest::newRow("claims a huge unpacked size") << bombHeader + bombPacked << damaged;
}

void TestPrintingOutput::damagedFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(QStringLiteral("rossz.qrp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    const QrpFile::Loaded loaded = QrpFile::load(path);
    QCOMPARE(loaded.error, message + path);
    QVERIFY(loaded.report.pages.isEmpty());
    QVERIFY(loaded.report.fonts.isEmpty());

    const QString missing = m_dir.filePath(QStringLiteral("nincs.qrp"));
    QCOMPARE(QrpFile::load(missing).error, QStringLiteral("A fájl nem nyitható meg:\r") + missing);
}

void TestPrintingOutput::oneFileIsBounded_data()
{
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QSize>("side");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("accepted");

    // 2000 x 2000 pixels decode to 16 MB: sixteen of them fill the 256 MB of one file.
    QTest::newRow("pictures up to the bound") << 16 << QSize(2000, 2000) << 0 << true;
    QTest::newRow("pictures over the bound") << 17 << QSize(2000, 2000) << 0 << false;
    QTest::newRow("one picture, many references") << 40 << QSize(2000, 2000) << 0 << false;
    QTest::newRow("one picture too large") << 1 << QSize(20001, 1) << 0 << false;
    QTest::newRow("items up to the bound") << 0 << QSize() << int(QrpFile::MaxItemsPerPage) << true;
    QTest::newRow("items over the bound") << 0 << QSize() << int(QrpFile::MaxItemsPerPage) + 1 << false;
}

void TestPrintingOutput::oneFileIsBounded()
{
    QFETCH(int, pictures);
    QFETCH(QSize, side);
    QFETCH(int, lines);
    QFETCH(bool, accepted);

    const QString path = m_dir.filePath(QStringLiteral("korlat.qrp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(wrapBody(boundsBody(pictures, side, lines)));
    file.close();
    const QrpFile::Loaded loaded = QrpFile::load(path);
    if (!accepted) {
        QCOMPARE(loaded.error, QStringLiteral("A mentett nyomtatás sérült vagy hiányos, nem nyitható meg:\r") + path);
        QVERIFY(loaded.report.images.isEmpty());
        return;
    }
    QCOMPARE(loaded.error, QString());
    QCOMPARE(loaded.report.pages.at(0).items.size(), pictures + lines);

    // The writer keeps the same bounds: one item more is refused instead of saved.
    PreparedReport over = loaded.report;
    PageItem extra;
    extra.kind = pictures ? PageItem::Picture : PageItem::Line;
    extra.image = pictures ? int(over.images.size()) : -1;
    if (pictures)
        over.images.append(QImage(side, QImage::Format_RGB32));
    over.pages[0].items.append(extra);
    const QString overPath = m_dir.filePath(QStringLiteral("tul.qrp"));
    QCOMPARE(QrpFile::save(over, overPath), QStringLiteral("A nyomtatás túl nagy, nem menthető:\r") + overPath);
    QVERIFY(!QFile::exists(overPath));
}

void TestPrintingOutput::failedSaveLeavesNoFile()
{
    const QString path = m_dir.filePath(QStringLiteral("nincs/ilyen/mappa.qrp"));
    QCOMPARE(QrpFile::save(samplePages(), path), QStringLiteral("A nyomtatás nem menthető:\r") + path);
    QVERIFY(!QFile::exists(path));

    // More pages than a saved printout may hold: refused instead of a file that would not open.
    PreparedReport huge;
    huge.pages.resize(100001);
    const QString hugePath = m_dir.filePath(QStringLiteral("nagy.qrp"));
    QCOMPARE(QrpFile::save(huge, hugePath), QStringLiteral("A nyomtatás túl nagy, nem menthető:\r") + hugePath);
    QVERIFY(!QFile::exists(hugePath));
    huge.pages.resize(100000);
    QCOMPARE(QrpFile::save(huge, hugePath), QString());
    QCOMPARE(QrpFile::load(hugePath).report.pages.size(), 100000);
}

void TestPrintingOutput::pdfHoldsTheTextOfEveryPage()
{
    const PreparedReport pages = samplePages();
    const QString path = m_dir.filePath(QStringLiteral("lista.pdf"));
    QCOMPARE(PageOutput::writePdf(pages, path), QString());
    QCOMPARE(pdfPages(path), int(pages.pages.size()));
    const QString text = pdfText(path);
    QVERIFY2(text.contains(QStringLiteral("Anyagleltár")), qPrintable(text.left(500)));
    QVERIFY(text.contains(QStringLiteral("Őszibarack ű 0")));
    QVERIFY(text.contains(QStringLiteral("Őszibarack ű 129")));
    QVERIFY(text.contains(QStringLiteral("Összesítés:")));
    QVERIFY(text.contains(QStringLiteral("88042,5"))); // 10.5 * (0 + ... + 129)
    QVERIFY(text.contains(QStringLiteral("megadott szélességen belül.")));
    // The page number of the last page is on the last page.
    const QString last = pdfText(path, {QStringLiteral("-f"), QString::number(pages.pages.size())});
    QVERIFY(last.contains(QString::number(pages.pages.size())));
    QVERIFY(!last.contains(QStringLiteral("Őszibarack ű 0 ")));
}

void TestPrintingOutput::printerGetsThePagesInItsRange()
{
    const PreparedReport pages = samplePages();
    const QString path = m_dir.filePath(QStringLiteral("nyomtato.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    PageOutput::setUpPrinter(pages, printer);
    QCOMPARE(printer.docName(), QStringLiteral("Salvia nyomtatas"));
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    QVERIFY(PageOutput::print(pages, printer));
    QCOMPARE(pdfPages(path), 2);
    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("Anyagleltár")));
    QVERIFY(!text.contains(QStringLiteral("Őszibarack ű 0 ")));

    PreparedReport landscape = samplePages(true);
    QPrinter turned(QPrinter::HighResolution);
    PageOutput::setUpPrinter(landscape, turned);
    QCOMPARE(turned.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(turned.pageLayout().pageSize().id(), QPageSize::A4);
}

void TestPrintingOutput::pdfToUnwritablePlaceIsReported()
{
    const QString path = m_dir.filePath(QStringLiteral("nincs/lista.pdf"));
    QCOMPARE(PageOutput::writePdf(samplePages(), path), QStringLiteral("A PDF fájl nem írható:\r") + path);
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestPrintingOutput)
#include "tst_output.moc"
