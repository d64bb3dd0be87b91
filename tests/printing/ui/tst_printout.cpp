#include "session/Settings.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "printing/ui/Printout.h"
#include "printing/QrpFile.h"
#include "printing/ui/ReportPreview.h"
#include "widgets/UiFitToScreen.h"
#include "printing/TableReportData.h"
#include "printing/ui/qrpOffline.h"
#include "printing/ui/PreviewPage.h"
#include "support/PrintedPages.h"

#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QScrollArea>
#include <QDir>
#include <QtTest>

using namespace PrintedPages;

namespace {

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPrintingPrintout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void standardHeaderOnEveryPage();
    void missingLogoLeavesPictureEmpty();
    void signatureFooterAskedOncePerPrintout_data();
    void signatureFooterAskedOncePerPrintout();
    void printingTwiceFromPreviewAsksOnce();
    void noPrinterWarnsThenPreviews_data();
    void noPrinterWarnsThenPreviews();
    void missingRequiredPictureStopsThePrintout();
    void previewPagesZoomSaveAndPdf();
    void previewReportsFailedSave();
    void previewOpensFittedToScreenAndPage_data();
    void previewOpensFittedToScreenAndPage();
    void previewFitsA768PixelScreen_data();
    void previewFitsA768PixelScreen();
    void offlineViewerShowsSavedPages();
    void offlineViewerRefusesDamagedFile();
    void offlineViewerIgnoresCancelAndMissingFile();

private:
    void fillPrintout(Printout &printout, int rows);

    QTemporaryDir m_dir;
    Settings m_settings;
    ScriptedMessenger m_messenger;
    TableReportData m_data;
};

void TestPrintingPrintout::init()
{
    QFile::remove(m_dir.filePath(QStringLiteral("salvia.ini")));
    m_settings.setIniPath(m_dir.filePath(QStringLiteral("salvia.ini")));
    m_settings.setCegNev(QStringLiteral("Napsugár Óvoda"));
    m_settings.setCegIrsz(QStringLiteral("1234"));
    m_settings.setCegVaros(QStringLiteral("Budapest"));
    m_settings.setCegCim(QStringLiteral("Fő utca 1."));
    m_settings.setLoginUser(QStringLiteral("kovacs"));
    m_settings.setSecurName(QStringLiteral("Teljes"));
    m_settings.setAktivRaktarNev(QStringLiteral("Központi konyha"));
    m_settings.setIsPrinter(1);
    m_messenger = ScriptedMessenger();
}

void TestPrintingPrintout::fillPrintout(Printout &printout, int rows)
{
    m_data = TableReportData({QStringLiteral("Nev"), QStringLiteral("Ertek")});
    for (int i = 0; i < rows; ++i)
        m_data.addRow({QStringLiteral("Tétel %1").arg(i), 100.25});
    Report &report = printout.report();
    report.setData(&m_data);
    const double y = printout.addStandardHeader(QStringLiteral("Anyagleltár"));
    report.pageHeader().label(QRectF(32, y, 100, 5), QStringLiteral("Dátum: 2006.03.15"));
    report.pageHeader().setHeight(y + 6);
    report.columnHeader().setHeight(6);
    report.columnHeader().label(QRectF(0, 0, 60, 5), QStringLiteral("Megnevezés")).setBold();
    report.detail().setHeight(5);
    report.detail().field(QRectF(0, 0, 60, 5), QStringLiteral("Nev"));
    report.detail().field(QRectF(60, 0, 40, 5), QStringLiteral("Ertek"), QStringLiteral("###,###,##0.00 "));
    report.summary().setHeight(10);
    report.summary().label(QRectF(0, 0, 40, 5), QStringLiteral("Összesítés:"));
    report.summary().sum(QRectF(60, 0, 40, 5), QStringLiteral("Ertek"), QStringLiteral("###,###,##0.00 Ft"));
    printout.addSignatureFooter();
}

void TestPrintingPrintout::standardHeaderOnEveryPage()
{
    QImage logo(60, 30, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    const QString logoPath = m_dir.filePath(QStringLiteral("logo.png"));
    QVERIFY(logo.save(logoPath));
    m_settings.writeString(QStringLiteral("PrintSettings"), QStringLiteral("LogoPath"), logoPath);

    Printout printout(m_settings, m_messenger);
    fillPrintout(printout, 120);
    printout.report().setPrintTime(QDateTime(QDate(2006, 3, 15), QTime(10, 20, 30)));
    m_messenger.answer(MsgResult::No);
    const PreparedReport pages = printout.prepare();

    QCOMPARE(pages.jobTitle, QStringLiteral("Salvia nyomtatas"));
    QVERIFY(pages.pages.size() >= 3);
    for (int page = 0; page < pages.pages.size(); ++page) {
        const QStringList lines = texts(pages, page);
        QCOMPARE(lines.mid(0, 6),
            (QStringList {QStringLiteral("Anyagleltár"), QStringLiteral("Oldal:"), QString::number(page + 1),
                QStringLiteral("2006.03.15. 10:20:30"),
                QStringLiteral("Tulajdonos: [ Napsugár Óvoda ] - 1234 Budapest, Fő utca 1."),
                QStringLiteral("Felhasználó: kovacs, Teljes")}));
        QCOMPARE(lines.at(6), QStringLiteral("Központi konyha"));
        QCOMPARE(lines.at(7), QStringLiteral("Dátum: 2006.03.15"));
        QCOMPARE(lines.at(8), QStringLiteral("Megnevezés"));
        const PageItem &picture = pages.pages.at(page).items.first();
        QCOMPARE(picture.kind, PageItem::Picture);
        QCOMPARE(QRectF(picture.x, picture.y, picture.w, picture.h), QRectF(10, 10, 30, 15));
    }
    QCOMPARE(pages.images.size(), 1);
    QCOMPARE(texts(pages, int(pages.pages.size()) - 1).last(), QStringLiteral("12 030,00 Ft"));
}

void TestPrintingPrintout::missingLogoLeavesPictureEmpty()
{
    m_settings.writeString(
        QStringLiteral("PrintSettings"), QStringLiteral("LogoPath"), m_dir.filePath(QStringLiteral("nincs.bmp")));
    Printout printout(m_settings, m_messenger);
    const double below = printout.addStandardHeader(QStringLiteral("Lista"), false);
    QCOMPARE(below, 21.0);
    const PreparedReport pages = printout.prepare();
    for (const PageItem &item : pages.pages.at(0).items)
        QVERIFY(item.kind != PageItem::Picture);
    QVERIFY(!texts(pages, 0).contains(QStringLiteral("Központi konyha")));
    QVERIFY(m_messenger.shown().isEmpty());
}

void TestPrintingPrintout::signatureFooterAskedOncePerPrintout_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("printed");

    QTest::newRow("footer switched off: never asked") << false << 0 << 0 << false;
    QTest::newRow("Nem") << true << int(MsgResult::No) << 1 << false;
    QTest::newRow("Igen") << true << int(MsgResult::Yes) << 1 << true;
}

void TestPrintingPrintout::signatureFooterAskedOncePerPrintout()
{
    QFETCH(bool, enabled);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(bool, printed);

    m_settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), enabled);
    m_settings.writeString(
        QStringLiteral("PrintSettings"), QStringLiteral("Footer31"), QStringLiteral("Élelmezésvezető"));
    Printout printout(m_settings, m_messenger);
    fillPrintout(printout, 3);
    m_messenger.answer(answer);
    m_messenger.answer(MsgResult::Yes); // would turn a second question into a footer

    for (int layout = 0; layout < 2; ++layout) {
        const PreparedReport pages = printout.prepare();
        const QStringList lines = allTexts(pages);
        QCOMPARE(lines.count(QStringLiteral("........................................")), printed ? 4 : 0);
        if (printed) {
            const QStringList captions = lines.mid(lines.size() - 8);
            QCOMPARE(captions,
                (QStringList {QStringLiteral("Beosztott"), QStringLiteral("Főnök"), QStringLiteral("Élelmezésvezető"),
                    QStringLiteral("Szakács"), QStringLiteral("készítette"), QStringLiteral("ellenőrizte"),
                    QStringLiteral("kiadta"), QStringLiteral("átvette")}));
        }
    }
    QCOMPARE(m_messenger.shown().size(), questions);
    if (questions) {
        const ScriptedMessenger::Shown &asked = m_messenger.shown().first();
        QCOMPARE(asked.caption, QStringLiteral("Kérdés"));
        QCOMPARE(asked.symbol, Symbol::Question);
        QCOMPARE(asked.text, QStringLiteral("Szeretné a láblécet is rányomtatni?"));
        QCOMPARE(asked.buttons, (QStringList {QStringLiteral("Nem"), QStringLiteral("Igen")}));
    }
}

void TestPrintingPrintout::printingTwiceFromPreviewAsksOnce()
{
    Printout printout(m_settings, m_messenger);
    fillPrintout(printout, 3);
    m_messenger.answer(MsgResult::Yes);
    QStringList printedTexts;
    printout.setPreviewer([&](const PreparedReport &pages, QWidget *) {
        ReportPreview preview(pages, m_messenger);
        int run = 0;
        preview.setPrinterChooser([&](QPrinter &printer, QWidget *) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_dir.filePath(QStringLiteral("print%1.pdf").arg(++run)));
            return true;
        });
        preview.findChild<QPushButton *>(QStringLiteral("btnPrint"))->click();
        preview.findChild<QPushButton *>(QStringLiteral("btnPrint"))->click();
        printedTexts << pdfText(m_dir.filePath(QStringLiteral("print1.pdf")))
                     << pdfText(m_dir.filePath(QStringLiteral("print2.pdf")));
    });
    printout.preview(nullptr);

    QCOMPARE(m_messenger.texts(), QStringList {QStringLiteral("Szeretné a láblécet is rányomtatni?")});
    QCOMPARE(printedTexts.size(), 2);
    for (const QString &text : std::as_const(printedTexts)) {
        QVERIFY2(text.contains(QStringLiteral("Beosztott")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Anyagleltár")));
        QVERIFY(text.contains(QStringLiteral("300,75 Ft")));
    }
}

void TestPrintingPrintout::noPrinterWarnsThenPreviews_data()
{
    QTest::addColumn<int>("printers");
    QTest::addColumn<bool>("warned");
    QTest::newRow("no printer") << 0 << true;
    QTest::newRow("one printer") << 1 << false;
    QTest::newRow("several printers") << 3 << false;
}

void TestPrintingPrintout::noPrinterWarnsThenPreviews()
{
    QFETCH(int, printers);
    QFETCH(bool, warned);
    m_settings.setIsPrinter(printers);
    m_settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), false);
    Printout printout(m_settings, m_messenger);
    fillPrintout(printout, 2);
    int previews = 0;
    int messagesBeforePreview = -1;
    printout.setPreviewer([&](const PreparedReport &pages, QWidget *) {
        ++previews;
        messagesBeforePreview = int(m_messenger.shown().size());
        QCOMPARE(pages.pages.size(), 1);
    });
    printout.preview(nullptr);

    QCOMPARE(previews, 1);
    QCOMPARE(messagesBeforePreview, warned ? 1 : 0);
    QCOMPARE(m_messenger.shown().size(), warned ? 1 : 0);
    if (warned) {
        const ScriptedMessenger::Shown &shown = m_messenger.last();
        QCOMPARE(shown.caption, QStringLiteral("Figyelmeztetés"));
        QCOMPARE(shown.symbol, Symbol::Warning);
        QCOMPARE(shown.text,
            QStringLiteral("Nincs nyomtató telepítve!\rA nyomtatási képet megtekintheti és "
                           "elmentheti, amit később kinyomtathat."));
        QCOMPARE(shown.buttons, QStringList {QStringLiteral("OK")});
    }
}

void TestPrintingPrintout::missingRequiredPictureStopsThePrintout()
{
    m_settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), false);
    Printout printout(m_settings, m_messenger);
    fillPrintout(printout, 2);
    printout.report()
        .detail()
        .pictureFile(
            QRectF(120, 0, 5, 5), [](const ReportContext &) { return QStringLiteral("figyelem.bmp"); }, m_dir.path())
        .setRequired();
    int previews = 0;
    printout.setPreviewer([&](const PreparedReport &, QWidget *) { ++previews; });
    QVERIFY(!printout.preview(nullptr));

    QCOMPARE(previews, 0);
    QCOMPARE(m_messenger.shown().size(), 1);
    QCOMPARE(m_messenger.last().caption, QStringLiteral("HIBA!"));
    QCOMPARE(m_messenger.last().symbol, Symbol::Error);
    QCOMPARE(m_messenger.last().text,
        QStringLiteral("A fájl nem nyitható meg:\r")
            + QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("figyelem.bmp"))));

    // With the file in place the preview opens.
    QImage warning(16, 16, QImage::Format_RGB32);
    warning.fill(Qt::yellow);
    QVERIFY(warning.save(m_dir.filePath(QStringLiteral("figyelem.bmp"))));
    QVERIFY(printout.preview(nullptr));
    QCOMPARE(previews, 1);
    QCOMPARE(m_messenger.shown().size(), 1);
}

void TestPrintingPrintout::previewPagesZoomSaveAndPdf()
{
    m_settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), false);
    Printout printout(m_settings, m_messenger);
    fillPrintout(printout, 150);
    const PreparedReport pages = printout.prepare();
    QVERIFY(pages.pages.size() >= 3);

    ScriptedFilePrompt prompt;
    ReportPreview preview(pages, m_messenger, &prompt);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    auto *label = preview.findChild<QLabel *>(QStringLiteral("lblPage"));
    const QString count = QString::number(pages.pages.size());
    QCOMPARE(label->text(), QStringLiteral("1 / ") + count);
    QVERIFY(!preview.findChild<QPushButton *>(QStringLiteral("btnPrev"))->isEnabled());
    preview.findChild<QPushButton *>(QStringLiteral("btnNext"))->click();
    QCOMPARE(preview.currentPage(), 1);
    preview.findChild<QPushButton *>(QStringLiteral("btnLast"))->click();
    QCOMPARE(label->text(), count + QStringLiteral(" / ") + count);
    QVERIFY(!preview.findChild<QPushButton *>(QStringLiteral("btnNext"))->isEnabled());
    QTest::keyClick(&preview, Qt::Key_PageUp);
    QCOMPARE(preview.currentPage(), int(pages.pages.size()) - 2);
    preview.findChild<QPushButton *>(QStringLiteral("btnFirst"))->click();
    QCOMPARE(preview.currentPage(), 0);

    QWidget *canvas = preview.findChild<QWidget *>(QStringLiteral("pagePreview"));
    auto *zoom = preview.findChild<QComboBox *>(QStringLiteral("cmbZoom"));
    zoom->setCurrentText(QStringLiteral("100%"));
    const int at100 = canvas->width();
    zoom->setCurrentText(QStringLiteral("200%"));
    QVERIFY(qAbs(canvas->width() - 24 - 2 * (at100 - 24)) <= 2);
    zoom->setCurrentText(QStringLiteral("Egész oldal"));
    QVERIFY(canvas->height() <= preview.findChild<QWidget *>(QStringLiteral("scrPreview"))->height());

    const QString qrp = m_dir.filePath(QStringLiteral("mentett.qrp"));
    prompt.answer(qrp);
    preview.findChild<QPushButton *>(QStringLiteral("btnSave"))->click();
    QCOMPARE(prompt.requests().last().filter, QStringLiteral("Mentett nyomtatás (*.QRP)|*.QRP"));
    QCOMPARE(prompt.requests().last().defaultSuffix, QStringLiteral("qrp"));
    const QrpFile::Loaded loaded = QrpFile::load(qrp);
    QCOMPARE(loaded.error, QString());
    QVERIFY(loaded.report == pages);

    const QString pdf = m_dir.filePath(QStringLiteral("lista.pdf"));
    prompt.answer(pdf);
    preview.findChild<QPushButton *>(QStringLiteral("btnPdf"))->click();
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("Anyagleltár")));
    QVERIFY(text.contains(QStringLiteral("Tétel 149")));
    QVERIFY(text.contains(QStringLiteral("15 037,50 Ft")));

    // Cancelled dialogs write nothing.
    preview.findChild<QPushButton *>(QStringLiteral("btnSave"))->click();
    preview.findChild<QPushButton *>(QStringLiteral("btnPdf"))->click();
    QVERIFY(m_messenger.shown().isEmpty());
}

void TestPrintingPrintout::previewReportsFailedSave()
{
    Printout printout(m_settings, m_messenger);
    printout.addStandardHeader(QStringLiteral("Lista"));
    const PreparedReport pages = printout.prepare();
    ScriptedFilePrompt prompt;
    ReportPreview preview(pages, m_messenger, &prompt);
    const QString qrp = m_dir.filePath(QStringLiteral("nincs/mentett.qrp"));
    prompt.answer(qrp);
    preview.findChild<QPushButton *>(QStringLiteral("btnSave"))->click();
    QCOMPARE(m_messenger.last().caption, QStringLiteral("HIBA!"));
    QCOMPARE(m_messenger.last().symbol, Symbol::Error);
    QCOMPARE(m_messenger.last().text, QStringLiteral("A nyomtatás nem menthető:\r") + qrp);
    QVERIFY(!QFile::exists(qrp));
}

void TestPrintingPrintout::previewOpensFittedToScreenAndPage_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << false;
    QTest::newRow("landscape") << true;
}

void TestPrintingPrintout::previewOpensFittedToScreenAndPage()
{
    QFETCH(bool, landscape);
    PreparedReport pages;
    pages.pageSize = landscape ? QSizeF(297, 210) : QSizeF(210, 297);
    pages.pages.resize(2);
    ReportPreview preview(pages, m_messenger);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));

    // The whole window, frame included, lies in the screen's free area.
    const QRect area = preview.screen()->availableGeometry();
    QVERIFY2(area.contains(preview.frameGeometry()),
        qPrintable(QStringLiteral("%1 %2x%3 in %4x%5")
                       .arg(preview.frameGeometry().top())
                       .arg(preview.width())
                       .arg(preview.height())
                       .arg(area.width())
                       .arg(area.height())));
    // "Oldalszélesség" from the start: the page fills the view's width without a resize.
    QCOMPARE(preview.findChild<QComboBox *>(QStringLiteral("cmbZoom"))->currentText(), QStringLiteral("Oldalszélesség"));
    auto *scroll = preview.findChild<QScrollArea *>(QStringLiteral("scrPreview"));
    auto *canvas = preview.findChild<PreviewPage *>(QStringLiteral("pagePreview"));
    const int view = scroll->maximumViewportSize().width();
    QVERIFY2(canvas->width() > view * 3 / 4 && canvas->width() <= view,
        qPrintable(QStringLiteral("page %1 px in a view of %2 px").arg(canvas->width()).arg(view)));
}

void TestPrintingPrintout::previewFitsA768PixelScreen_data()
{
    previewOpensFittedToScreenAndPage_data();
}

// Fitted before the platform knows its frame, as when it opens without a parent: its title bar
// and borders still lie inside the free area of a 1366 × 768 screen above a 40-pixel task bar.
void TestPrintingPrintout::previewFitsA768PixelScreen()
{
    QFETCH(bool, landscape);
    PreparedReport pages;
    pages.pageSize = landscape ? QSizeF(297, 210) : QSizeF(210, 297);
    pages.pages.resize(2);
    ReportPreview preview(pages, m_messenger);
    const QRect laptop(0, 0, 1366, 728);
    fitToArea(&preview, laptop);
    const QSize decoration = UiFitToScreen::decoration(&preview);
    QVERIFY(decoration.height() >= 30);
    const QRect frame(preview.pos(), preview.size() + decoration);
    QVERIFY2(laptop.contains(frame),
        qPrintable(QStringLiteral("frame %1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
}

void TestPrintingPrintout::offlineViewerShowsSavedPages()
{
    m_settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), false);
    Printout printout(m_settings, m_messenger);
    fillPrintout(printout, 80);
    const PreparedReport pages = printout.prepare();
    const QString path = m_dir.filePath(QStringLiteral("regi.QRP"));
    QCOMPARE(QrpFile::save(pages, path), QString());

    ScriptedFilePrompt prompt;
    prompt.answer(path);
    TqrpOffline offline(m_messenger, prompt);
    QCOMPARE(offline.pages().pageSize, QSizeF(210, 297));
    QVERIFY(offline.pages().pages.isEmpty());
    PreparedReport shown;
    offline.setPreviewer([&](const PreparedReport &loaded, QWidget *) { shown = loaded; });
    QVERIFY(offline.run(nullptr));

    QVERIFY(shown == pages);
    const ScriptedFilePrompt::Request request = prompt.requests().first();
    QCOMPARE(request.kind, ScriptedFilePrompt::Kind::Open);
    // It looks where the preview saves.
    QCOMPARE(request.dir, QDir::currentPath());
    ReportPreview preview(pages, m_messenger, &prompt);
    preview.findChild<QPushButton *>(QStringLiteral("btnSave"))->click();
    QCOMPARE(prompt.requests().last().kind, ScriptedFilePrompt::Kind::Save);
    QCOMPARE(prompt.requests().last().dir, request.dir);
    QCOMPARE(request.filter, QStringLiteral("Mentett nyomtatás (*.QRP)|*.QRP"));
    QVERIFY(m_messenger.shown().isEmpty());
}

void TestPrintingPrintout::offlineViewerRefusesDamagedFile()
{
    const QString path = m_dir.filePath(QStringLiteral("serult.qrp"));
    Printout printout(m_settings, m_messenger);
    printout.addStandardHeader(QStringLiteral("Lista"));
    QByteArray bytes = QrpFile::encode(printout.prepare());
    bytes.chop(7);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    ScriptedFilePrompt prompt;
    prompt.answer(path);
    TqrpOffline offline(m_messenger, prompt);
    bool previewed = false;
    offline.setPreviewer([&](const PreparedReport &, QWidget *) { previewed = true; });
    QVERIFY(!offline.run(nullptr));
    QVERIFY(!previewed);
    QCOMPARE(m_messenger.shown().size(), 1);
    QCOMPARE(m_messenger.last().caption, QStringLiteral("HIBA!"));
    QCOMPARE(
        m_messenger.last().text, QStringLiteral("A mentett nyomtatás sérült vagy hiányos, nem nyitható meg:\r") + path);
    QVERIFY(offline.pages().pages.isEmpty());
}

void TestPrintingPrintout::offlineViewerIgnoresCancelAndMissingFile()
{
    ScriptedFilePrompt prompt;
    prompt.answer(QString());
    prompt.answer(m_dir.filePath(QStringLiteral("nincs.qrp")));
    TqrpOffline offline(m_messenger, prompt);
    bool previewed = false;
    offline.setPreviewer([&](const PreparedReport &, QWidget *) { previewed = true; });
    QVERIFY(!offline.run(nullptr));
    QVERIFY(!offline.run(nullptr));
    QVERIFY(!previewed);
    QVERIFY(m_messenger.shown().isEmpty());
}

QTEST_MAIN(TestPrintingPrintout)
#include "tst_printout.moc"
