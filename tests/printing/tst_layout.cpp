#include "printing/Report.h"
#include "printing/ReportContext.h"
#include "printing/ReportLayout.h"
#include "printing/TableReportData.h"
#include "printing/TextFit.h"
#include "printing/TextMeasure.h"
#include "support/PrintedPages.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace PrintedPages;

namespace {

// A4 portrait with 10 mm margins leaves 277 mm; the header and column header take 36 mm,
// so 241 mm hold 48 detail lines of 5 mm.
constexpr double HeaderHeight = 30;
constexpr double ColumnHeaderHeight = 6;
constexpr double DetailHeight = 5;
constexpr double BodyTop = 10 + HeaderHeight + ColumnHeaderHeight;
constexpr double PageBottom = 297 - 10;

QString rowName(int row)
{
    return QStringLiteral("Anyag %1").arg(row, 5, 10, QLatin1Char('0'));
}

void fillRows(TableReportData &data, int rows)
{
    data.setColumns({QStringLiteral("Kod"), QStringLiteral("Nev"), QStringLiteral("Ertek")});
    for (int row = 0; row < rows; ++row)
        data.addRow({row, rowName(row), row * 1.5});
}

void defineList(Report &report, const TableReportData &data, double summaryHeight)
{
    report.setData(&data);
    ReportBand &header = report.pageHeader();
    header.setHeight(HeaderHeight);
    header.label(QRectF(0, 0, 100, 8), QStringLiteral("Anyaglista")).setBold().setFontSize(14);
    header.label(QRectF(150, 0, 15, 5), QStringLiteral("Oldal:"));
    header.system(QRectF(165, 0, 10, 5), ReportElement::SystemField::PageNumber);
    header.label(QRectF(175, 0, 3, 5), QStringLiteral("/"));
    header.system(QRectF(178, 0, 10, 5), ReportElement::SystemField::PageCount);
    ReportBand &columns = report.columnHeader();
    columns.setHeight(ColumnHeaderHeight);
    columns.label(QRectF(0, 0, 20, 5), QStringLiteral("Kód")).setBold();
    columns.label(QRectF(20, 0, 100, 5), QStringLiteral("Megnevezés")).setBold();
    ReportBand &detail = report.detail();
    detail.setHeight(DetailHeight);
    detail.field(QRectF(0, 0, 20, 5), QStringLiteral("Kod"));
    detail.field(QRectF(20, 0, 100, 5), QStringLiteral("Nev"));
    report.summary().setHeight(summaryHeight);
    report.summary().label(QRectF(0, 0, 40, 5), QStringLiteral("Összesítés:"));
}

} // namespace

class TestPrintingLayout : public QObject
{
    Q_OBJECT

private slots:
    void pageBreaksKeepBandsWhole_data();
    void pageBreaksKeepBandsWhole();
    void stretchedBandsMoveWholeToNextPage();
    void groupFootersAndSummaryTotals();
    void sumsStayExactOverManyRows();
    void numericFormats_data();
    void numericFormats();
    void groupsOnNewPagesRepeatTheirHeader();
    void pageFooterOnEveryPageAndBodyNeverUnderIt();
    void firstPageHeaderCanBeLeftOff();
    void beforePrintSkipsBandAndBackgroundFollowsRow();
    void elementsDrawShapesPicturesAndSystemDates();
    void groupNumbersAndRepeatedHeaderOfTheFirstRow();
    void fontFunctionStylesWholeRows();
    void computedPictureFilesAndRequiredOnes();
    void bandKeptWithItsChildren();
    void figuresPrintWholeInASmallerFont_data();
    void figuresPrintWholeInASmallerFont();
};

void TestPrintingLayout::pageBreaksKeepBandsWhole_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("summaryHeight");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("summaryPage");

    QTest::newRow("no rows: one page with header and summary") << 0 << 10.0 << 1 << 0;
    QTest::newRow("one row") << 1 << 10.0 << 1 << 0;
    QTest::newRow("a full page pushes the summary over") << 48 << 10.0 << 2 << 1;
    QTest::newRow("a full page and a 1 mm summary share it") << 48 << 1.0 << 1 << 0;
    QTest::newRow("one row more than a page") << 49 << 10.0 << 2 << 1;
    QTest::newRow("several pages") << 200 << 10.0 << 5 << 4;
}

void TestPrintingLayout::pageBreaksKeepBandsWhole()
{
    QFETCH(int, rows);
    QFETCH(double, summaryHeight);
    QFETCH(int, pages);
    QFETCH(int, summaryPage);

    TableReportData data;
    fillRows(data, rows);
    Report report;
    defineList(report, data, summaryHeight);
    const PreparedReport prepared = ReportLayout::prepare(report);

    QCOMPARE(prepared.pages.size(), pages);
    QCOMPARE(prepared.jobTitle, QStringLiteral("Salvia nyomtatas"));
    QCOMPARE(prepared.pageSize, QSizeF(210, 297));
    QStringList printedRows;
    for (int page = 0; page < pages; ++page) {
        // Header, page number and column header on every page, at the same place.
        const QStringList texts = PrintedPages::texts(prepared, page);
        QVERIFY(texts.contains(QStringLiteral("Anyaglista")));
        QVERIFY(texts.contains(QStringLiteral("Megnevezés")));
        const PageItem title = find(prepared, page, QStringLiteral("Anyaglista"));
        QCOMPARE(title.y, 10.0f);
        const int oldal = int(texts.indexOf(QStringLiteral("Oldal:")));
        QCOMPARE(texts.at(oldal + 1), QString::number(page + 1));
        QCOMPARE(texts.at(oldal + 3), QString::number(pages));
        QCOMPARE(find(prepared, page, QStringLiteral("Kód")).y, float(10 + HeaderHeight));

        // Every detail line lies whole inside the body of its page.
        for (const PageItem &item : textItems(prepared, page)) {
            if (!item.text.startsWith(QStringLiteral("Anyag ")))
                continue;
            QVERIFY2(item.y >= BodyTop - 1e-4, qPrintable(item.text));
            QVERIFY2(item.y + DetailHeight <= PageBottom + 1e-4, qPrintable(item.text));
            printedRows.append(item.text);
        }
        if (page < pages - 1 && rows > 0)
            QVERIFY(!texts.contains(QStringLiteral("Összesítés:")));
    }
    QStringList expected;
    for (int row = 0; row < rows; ++row)
        expected.append(rowName(row));
    QCOMPARE(printedRows, expected);

    QCOMPARE(pageOf(prepared, QStringLiteral("Összesítés:")), summaryPage);
    const PageItem summary = find(prepared, summaryPage, QStringLiteral("Összesítés:"));
    QVERIFY(summary.y + summaryHeight <= PageBottom + 1e-4);
}

void TestPrintingLayout::stretchedBandsMoveWholeToNextPage()
{
    // Rows whose text wraps to 1..12 lines: each row's lines stay together on one page.
    TableReportData data({QStringLiteral("Sor"), QStringLiteral("Szoveg")});
    for (int row = 0; row < 60; ++row) {
        QStringList words;
        for (int word = 0; word < (row % 12 + 1) * 9; ++word)
            words.append(QStringLiteral("R%1szó").arg(row));
        data.addRow({row, words.join(QLatin1Char(' '))});
    }
    Report report;
    report.setData(&data);
    report.pageHeader().setHeight(20);
    report.pageHeader().label(QRectF(0, 0, 50, 5), QStringLiteral("Fejléc"));
    ReportBand &detail = report.detail();
    detail.setHeight(5);
    detail.field(QRectF(0, 0, 60, 5), QStringLiteral("Szoveg")).setWordWrap();
    detail.line(QPointF(62, 0), QPointF(62, 5)).setStretchToBand();
    const PreparedReport prepared = ReportLayout::prepare(report);

    QVERIFY(prepared.pages.size() > 2);
    QHash<QString, int> pageOfRow;
    int lines = 0;
    for (int page = 0; page < prepared.pages.size(); ++page) {
        for (const PageItem &item : prepared.pages.at(page).items) {
            QVERIFY(item.y >= 10 - 1e-4);
            QVERIFY2(item.y + item.h <= PageBottom + 1e-3, qPrintable(item.text));
            if (item.kind != PageItem::Text || !item.text.startsWith(QLatin1Char('R')))
                continue;
            ++lines;
            const QString row = item.text.section(QStringLiteral("szó"), 0, 0);
            QVERIFY2(pageOfRow.value(row, page) == page, qPrintable(row + QStringLiteral(" is split")));
            pageOfRow.insert(row, page);
            QVERIFY(item.w <= 60.0f);
        }
    }
    QCOMPARE(pageOfRow.size(), 60);
    QVERIFY(lines > 60);
    // The stretched separator line reaches the bottom of each row's band.
    float longest = 0;
    for (const PageItem &item : prepared.pages.at(0).items) {
        if (item.kind == PageItem::Line)
            longest = std::max(longest, item.h);
    }
    QVERIFY(longest > 5.0f);
}

void TestPrintingLayout::groupFootersAndSummaryTotals()
{
    TableReportData data({QStringLiteral("Csoport"), QStringLiteral("Nev"), QStringLiteral("Ertek")});
    data.addRow({QStringLiteral("A"), QStringLiteral("a1"), 1.5});
    data.addRow({QStringLiteral("A"), QStringLiteral("a2"), 2.25});
    data.addRow({QStringLiteral("A"), QStringLiteral("a3"), 3});
    data.addRow({QStringLiteral("B"), QStringLiteral("b1"), 10});
    data.addRow({QStringLiteral("B"), QStringLiteral("b2"), QVariant()});
    data.addRow({QStringLiteral("B"), QStringLiteral("b3"), 0.1});
    data.addRow({QStringLiteral("C"), QStringLiteral("c1"), 7});

    Report report;
    report.setData(&data);
    report.detail().setHeight(5);
    report.detail().field(QRectF(0, 0, 30, 5), QStringLiteral("Nev"));
    ReportGroup &group = report.addGroup(QStringLiteral("Csoport"));
    group.header().setHeight(5);
    group.header().expression(QRectF(0, 0, 60, 5), [](const ReportContext &context) {
        return QStringLiteral("Csoport: ") + context.value(QStringLiteral("Csoport")).toString();
    });
    ReportBand &footer = group.footer();
    footer.setHeight(5);
    footer.field(QRectF(0, 0, 20, 5), QStringLiteral("Csoport"));
    footer.sum(QRectF(20, 0, 30, 5), QStringLiteral("Ertek"), QString());
    footer.count(QRectF(50, 0, 20, 5));
    footer.count(QRectF(70, 0, 20, 5), QStringLiteral("Ertek"));
    footer.sum(
        QRectF(90, 0, 30, 5),
        [](const ReportContext &context) { return context.value(QStringLiteral("Ertek")).toDouble() * 2; }, QString());
    ReportBand &summary = report.summary();
    summary.setHeight(5);
    summary.label(QRectF(0, 0, 20, 5), QStringLiteral("Összesen"));
    summary.sum(QRectF(20, 0, 30, 5), QStringLiteral("Ertek"), QString());
    summary.count(QRectF(50, 0, 20, 5));
    summary.count(QRectF(70, 0, 20, 5), QStringLiteral("Ertek"));

    const PreparedReport prepared = ReportLayout::prepare(report);
    QCOMPARE(prepared.pages.size(), 1);
    const QStringList expected = {
        QStringLiteral("Csoport: A"),
        QStringLiteral("a1"),
        QStringLiteral("a2"),
        QStringLiteral("a3"),
        QStringLiteral("A"),
        QStringLiteral("6,75"),
        QStringLiteral("3"),
        QStringLiteral("3"),
        QStringLiteral("13,5"),
        QStringLiteral("Csoport: B"),
        QStringLiteral("b1"),
        QStringLiteral("b2"),
        QStringLiteral("b3"),
        QStringLiteral("B"),
        QStringLiteral("10,1"),
        QStringLiteral("3"),
        QStringLiteral("2"),
        QStringLiteral("20,2"),
        QStringLiteral("Csoport: C"),
        QStringLiteral("c1"),
        QStringLiteral("C"),
        QStringLiteral("7"),
        QStringLiteral("1"),
        QStringLiteral("1"),
        QStringLiteral("14"),
        QStringLiteral("Összesen"),
        QStringLiteral("23,85"),
        QStringLiteral("7"),
        QStringLiteral("6"),
    };
    QCOMPARE(texts(prepared, 0), expected);
}

void TestPrintingLayout::sumsStayExactOverManyRows()
{
    // 10 000 x 0.01 adds up to 100 exactly, where plain double addition drifts.
    TableReportData data({QStringLiteral("Ertek")});
    for (int i = 0; i < 10000; ++i)
        data.addRow({0.01});
    Report report;
    report.setData(&data);
    report.summary().setHeight(5);
    report.summary().sum(QRectF(0, 0, 50, 5), QStringLiteral("Ertek"), QString());
    const PreparedReport prepared = ReportLayout::prepare(report);
    QCOMPARE(texts(prepared, 0), QStringList {QStringLiteral("100")});
}

void TestPrintingLayout::numericFormats_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");

    const QString money = QStringLiteral("###,###,##0.00 ");
    QTest::newRow("money, grouped") << money << QVariant(1234567.891) << QStringLiteral("1 234 567,89 ");
    QTest::newRow("money, small") << money << QVariant(0.5) << QStringLiteral("0,50 ");
    QTest::newRow("money, negative") << money << QVariant(-1500.0) << QStringLiteral("-1 500,00 ");
    QTest::newRow("money, half to even") << money << QVariant(2.125) << QStringLiteral("2,12 ");
    QTest::newRow("money, stored as text") << money << QVariant(QStringLiteral("42.5")) << QStringLiteral("42,50 ");
    QTest::newRow("money with currency") << QStringLiteral("###,###,##0.00 Ft") << QVariant(98765.4)
                                         << QStringLiteral("98 765,40 Ft");
    QTest::newRow("caption inside the mask")
        << QStringLiteral("Eltérés: ###,###,##0.00 Ft") << QVariant(-12.0) << QStringLiteral("Eltérés: -12,00 Ft");
    QTest::newRow("0.## whole") << QStringLiteral("0.##") << QVariant(3.0) << QStringLiteral("3");
    QTest::newRow("0.## fraction") << QStringLiteral("0.##") << QVariant(3.456) << QStringLiteral("3,46");
    QTest::newRow("0.000") << QStringLiteral("0.000") << QVariant(10.0005) << QStringLiteral("10,000");
    QTest::newRow("0.000 rounds") << QStringLiteral("0.000") << QVariant(2.0) << QStringLiteral("2,000");
    QTest::newRow("0.###") << QStringLiteral("0.###") << QVariant(1.25) << QStringLiteral("1,25");
    QTest::newRow("0.00 with unit") << QStringLiteral("0.00 ") << QVariant(7) << QStringLiteral("7,00 ");
    QTest::newRow("energy") << QStringLiteral("0KCal") << QVariant(512.6) << QStringLiteral("513KCal");
    QTest::newRow("grams") << QStringLiteral("0.0g") << QVariant(12.34) << QStringLiteral("12,3g");
    QTest::newRow("salt") << QStringLiteral("0.00g") << QVariant(0.555) << QStringLiteral("0,56g");
    QTest::newRow("empty value prints nothing") << money << QVariant() << QString();
    QTest::newRow("no mask") << QString() << QVariant(12.5) << QStringLiteral("12,5");
    QTest::newRow("date pattern on stored text")
        << QString() << QVariant(QStringLiteral("2006-03-15")) << QStringLiteral("2006.03.15");
}

void TestPrintingLayout::numericFormats()
{
    QFETCH(QString, mask);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);

    // The same mask on a data field and on the sum of that one row.
    TableReportData data({QStringLiteral("Ertek")});
    data.addRow({value});
    Report report;
    report.setData(&data);
    ReportElement &field = report.detail().field(QRectF(0, 0, 60, 5), QStringLiteral("Ertek"), mask);
    report.detail().setHeight(5);
    if (value.metaType().id() == QMetaType::QString && mask.isEmpty())
        field.setDateFormat(QStringLiteral("yyyy.MM.dd"));
    report.summary().setHeight(5);
    report.summary().sum(QRectF(0, 0, 60, 5), QStringLiteral("Ertek"), mask);
    const PreparedReport prepared = ReportLayout::prepare(report);

    const QStringList printed = texts(prepared, 0);
    if (value.isNull()) {
        // No field text; the sum over no values is zero.
        QCOMPARE(printed, QStringList {QStringLiteral("0,00 ")});
        return;
    }
    QCOMPARE(printed.value(0), expected);
    if (!(value.metaType().id() == QMetaType::QString && mask.isEmpty()))
        QCOMPARE(printed.value(1), expected);
}

void TestPrintingLayout::groupsOnNewPagesRepeatTheirHeader()
{
    TableReportData data({QStringLiteral("Csoport"), QStringLiteral("Nev")});
    for (int i = 0; i < 70; ++i)
        data.addRow({QStringLiteral("Első"), QStringLiteral("e%1").arg(i)});
    for (int i = 0; i < 3; ++i)
        data.addRow({QStringLiteral("Második"), QStringLiteral("m%1").arg(i)});
    Report report;
    report.setData(&data);
    report.detail().setHeight(5);
    report.detail().field(QRectF(0, 0, 30, 5), QStringLiteral("Nev"));
    ReportGroup &group = report.addGroup(QStringLiteral("Csoport"));
    group.setStartNewPage(true);
    group.setRepeatHeader(true);
    group.header().setHeight(8);
    group.header().field(QRectF(0, 0, 60, 5), QStringLiteral("Csoport"));
    group.footer().setHeight(5);
    group.footer().count(QRectF(0, 0, 20, 5), QString(), QString());

    const PreparedReport prepared = ReportLayout::prepare(report);
    // 277 mm: 8 mm header + 53 rows on page 1, header again + 17 rows and the footer on page 2,
    // the second group alone on page 3.
    QCOMPARE(prepared.pages.size(), 3);
    QCOMPARE(texts(prepared, 0).first(), QStringLiteral("Első"));
    QCOMPARE(texts(prepared, 0).size(), 54);
    QCOMPARE(texts(prepared, 1).first(), QStringLiteral("Első"));
    QCOMPARE(texts(prepared, 1).last(), QStringLiteral("70"));
    QCOMPARE(texts(prepared, 2),
        (QStringList {QStringLiteral("Második"), QStringLiteral("m0"), QStringLiteral("m1"), QStringLiteral("m2"),
            QStringLiteral("3")}));
}

void TestPrintingLayout::pageFooterOnEveryPageAndBodyNeverUnderIt()
{
    TableReportData data;
    fillRows(data, 120);
    Report report;
    defineList(report, data, 10);
    report.pageFooter().setHeight(12);
    report.pageFooter().label(QRectF(0, 2, 50, 5), QStringLiteral("Lábléc"));
    report.title().setHeight(15);
    report.title().label(QRectF(0, 0, 50, 5), QStringLiteral("Csak az első oldalon"));
    const PreparedReport prepared = ReportLayout::prepare(report);

    QVERIFY(prepared.pages.size() >= 3);
    for (int page = 0; page < prepared.pages.size(); ++page) {
        const PageItem footer = find(prepared, page, QStringLiteral("Lábléc"));
        QCOMPARE(footer.kind, PageItem::Text);
        QCOMPARE(footer.y, float(PageBottom - 12 + 2));
        for (const PageItem &item : textItems(prepared, page)) {
            if (item.text.startsWith(QStringLiteral("Anyag ")))
                QVERIFY(item.y + DetailHeight <= PageBottom - 12 + 1e-4);
        }
        QCOMPARE(texts(prepared, page).contains(QStringLiteral("Csak az első oldalon")), page == 0);
    }

    report.setPageFooterOnLastPage(false);
    const PreparedReport withoutLast = ReportLayout::prepare(report);
    QCOMPARE(pageOf(withoutLast, QStringLiteral("Lábléc")), 0);
    QCOMPARE(find(withoutLast, int(withoutLast.pages.size()) - 1, QStringLiteral("Lábléc")).kind, PageItem::Kind(0));
}

void TestPrintingLayout::firstPageHeaderCanBeLeftOff()
{
    TableReportData data;
    fillRows(data, 60);
    Report report;
    defineList(report, data, 10);
    report.setPageHeaderOnFirstPage(false);
    const PreparedReport prepared = ReportLayout::prepare(report);
    QCOMPARE(prepared.pages.size(), 2);
    QVERIFY(!texts(prepared, 0).contains(QStringLiteral("Anyaglista")));
    QCOMPARE(find(prepared, 0, rowName(0)).y, 10.0f);
    QVERIFY(texts(prepared, 1).contains(QStringLiteral("Anyaglista")));
}

void TestPrintingLayout::beforePrintSkipsBandAndBackgroundFollowsRow()
{
    TableReportData data({QStringLiteral("Nev"), QStringLiteral("Elteres")});
    data.addRow({QStringLiteral("egy"), 0});
    data.addRow({QStringLiteral("kettő"), 2});
    data.addRow({QStringLiteral("három"), -1});
    Report report;
    report.setData(&data);
    ReportBand &detail = report.detail();
    detail.setHeight(5);
    detail.field(QRectF(0, 0, 30, 5), QStringLiteral("Nev"));
    detail.setBackground([](const ReportContext &context) {
        return context.value(QStringLiteral("Elteres")).toDouble() != 0 ? QColor(Qt::lightGray) : QColor();
    });
    ReportBand &extra = detail.child();
    extra.setHeight(4);
    extra.label(QRectF(0, 0, 30, 4), QStringLiteral("megjegyzés"));
    extra.setBeforePrint([](const ReportContext &context) { return context.row() == 1; });

    const PreparedReport prepared = ReportLayout::prepare(report);
    QCOMPARE(texts(prepared, 0),
        (QStringList {
            QStringLiteral("egy"), QStringLiteral("kettő"), QStringLiteral("megjegyzés"), QStringLiteral("három")}));
    QList<float> shaded;
    for (const PageItem &item : prepared.pages.at(0).items) {
        if (item.kind == PageItem::Rect) {
            QCOMPARE(item.fill, QColor(Qt::lightGray).rgba());
            QCOMPARE(item.w, 190.0f);
            shaded.append(item.y);
        }
    }
    QCOMPARE(shaded, (QList<float> {15.0f, 24.0f}));
    QCOMPARE(find(prepared, 0, QStringLiteral("három")).y, 24.0f);

    detail.setEnabled(false);
    QCOMPARE(ReportLayout::prepare(report).pages.at(0).items.size(), 0);
}

void TestPrintingLayout::elementsDrawShapesPicturesAndSystemDates()
{
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    Report report;
    report.setPrintTime(QDateTime(QDate(2006, 3, 15), QTime(14, 5, 9)));
    ReportBand &header = report.pageHeader();
    header.setHeight(30);
    header.picture(QRectF(0, 0, 30, 30), logo);
    header.system(QRectF(100, 0, 40, 5), ReportElement::SystemField::Date);
    header.system(QRectF(100, 5, 40, 5), ReportElement::SystemField::Time);
    header.system(QRectF(100, 10, 60, 5), ReportElement::SystemField::DateTime);
    header.line(QPointF(0, 29), QPointF(190, 29), 0.5);
    header.rectangle(QRectF(150, 0, 40, 20), 0.3).setFill(Qt::yellow);
    const PreparedReport prepared = ReportLayout::prepare(report);

    QCOMPARE(texts(prepared, 0),
        (QStringList {
            QStringLiteral("2006.03.15."), QStringLiteral("14:05:09"), QStringLiteral("2006.03.15. 14:05:09")}));
    const QList<PageItem> &items = prepared.pages.at(0).items;
    QCOMPARE(items.at(0).kind, PageItem::Picture);
    // Kept in proportion at the top left of its 30 x 30 mm box.
    QCOMPARE(QRectF(items.at(0).x, items.at(0).y, items.at(0).w, items.at(0).h), QRectF(10, 10, 30, 15));
    QCOMPARE(prepared.images.size(), 1);
    QCOMPARE(prepared.images.at(0).image(), logo);
    QCOMPARE(items.at(4).kind, PageItem::Line);
    QCOMPARE(items.at(4).penWidth, quint16(50));
    QCOMPARE(QRectF(items.at(4).x, items.at(4).y, items.at(4).w, items.at(4).h), QRectF(10, 39, 190, 0));
    QCOMPARE(items.at(5).kind, PageItem::Rect);
    QCOMPARE(items.at(5).fill, QColor(Qt::yellow).rgba());
    QCOMPARE(items.at(5).penWidth, quint16(30));
}

void TestPrintingLayout::groupNumbersAndRepeatedHeaderOfTheFirstRow()
{
    // Vouchers numbered "1.", "2." ...; a day's group header repeated on the next page still names
    // the meal of the day's first row, not of the row that broke the page.
    TableReportData data({QStringLiteral("Datum"), QStringLiteral("EtkTip"), QStringLiteral("Nev")});
    for (int i = 0; i < 30; ++i)
        data.addRow({QStringLiteral("2006-03-01"), QStringLiteral("Ebéd"), QStringLiteral("e%1").arg(i)});
    for (int i = 0; i < 30; ++i)
        data.addRow({QStringLiteral("2006-03-01"), QStringLiteral("Vacsora"), QStringLiteral("v%1").arg(i)});
    data.addRow({QStringLiteral("2006-03-02"), QStringLiteral("Reggeli"), QStringLiteral("r0")});
    Report report;
    report.setData(&data);
    report.detail().setHeight(5);
    report.detail().field(QRectF(0, 0, 30, 5), QStringLiteral("Nev"));
    ReportGroup &group = report.addGroup(QStringLiteral("Datum"));
    group.setRepeatHeader(true);
    group.header().setHeight(6);
    group.header().expression(QRectF(0, 0, 10, 5),
        [](const ReportContext &context) { return QString::number(context.groupNumber()) + QLatin1Char('.'); });
    group.header().field(QRectF(10, 0, 40, 5), QStringLiteral("EtkTip"));

    const PreparedReport prepared = ReportLayout::prepare(report);
    QCOMPARE(prepared.pages.size(), 2);
    QCOMPARE(texts(prepared, 0).mid(0, 3),
        (QStringList {QStringLiteral("1."), QStringLiteral("Ebéd"), QStringLiteral("e0")}));
    // 277 mm: the header and 54 rows on page 1; page 2 starts with the repeated header.
    QCOMPARE(texts(prepared, 1).mid(0, 3),
        (QStringList {QStringLiteral("1."), QStringLiteral("Ebéd"), QStringLiteral("v24")}));
    const QStringList last = texts(prepared, 1);
    QCOMPARE(last.mid(last.size() - 3),
        (QStringList {QStringLiteral("2."), QStringLiteral("Reggeli"), QStringLiteral("r0")}));
    // A second layout of the same report counts from 1 again.
    QCOMPARE(texts(ReportLayout::prepare(report), 0).first(), QStringLiteral("1."));
}

void TestPrintingLayout::fontFunctionStylesWholeRows()
{
    TableReportData data({QStringLiteral("Napok"), QStringLiteral("Ertek")});
    data.addRow({QStringLiteral("01 szerda"), 10.0});
    data.addRow({QStringLiteral("02 csütörtök"), 20.0});
    data.addRow({QStringLiteral("Összesen"), 30.0});
    Report report;
    report.setData(&data);
    ReportBand &detail = report.detail();
    detail.setHeight(6);
    detail.field(QRectF(0, 0, 40, 6), QStringLiteral("Napok"));
    detail.field(QRectF(40, 0, 40, 6), QStringLiteral("Ertek"), QStringLiteral("0.00")).setItalic();
    detail.setFontFunction([](ReportFont &font, const ReportContext &context) {
        if (context.value(QStringLiteral("Napok")).toString() == QStringLiteral("Összesen")) {
            font.bold = true;
            font.pointSize = 12;
        }
    });

    const PreparedReport prepared = ReportLayout::prepare(report);
    auto fontOf = [&](const QString &text) { return prepared.fonts.at(find(prepared, 0, text).font); };
    QCOMPARE(fontOf(QStringLiteral("01 szerda")), ReportFont());
    ReportFont italic;
    italic.italic = true;
    QCOMPARE(fontOf(QStringLiteral("20,00")), italic);
    ReportFont total;
    total.bold = true;
    total.pointSize = 12;
    QCOMPARE(fontOf(QStringLiteral("Összesen")), total);
    total.italic = true; // the element's own style stays
    QCOMPARE(fontOf(QStringLiteral("30,00")), total);
}

void TestPrintingLayout::computedPictureFilesAndRequiredOnes()
{
    QTemporaryDir dir;
    QImage mark(32, 32, QImage::Format_RGB32);
    mark.fill(Qt::red);
    QVERIFY(mark.save(dir.filePath(QStringLiteral("glutén.bmp"))));
    mark.fill(Qt::white);
    QVERIFY(mark.save(dir.filePath(QStringLiteral("feher.bmp"))));

    // Up to three places per row, filled from the row's mark list; the others get the blank.
    TableReportData data({QStringLiteral("Megnevezes"), QStringLiteral("Allergen")});
    data.addRow({QStringLiteral("Rántott hús"), QStringLiteral("glutén.bmp")});
    data.addRow({QStringLiteral("Gulyásleves"), QString()});
    Report report;
    report.setData(&data);
    ReportBand &detail = report.detail();
    detail.setHeight(10);
    detail.field(QRectF(0, 0, 60, 5), QStringLiteral("Megnevezes"));
    for (int place = 0; place < 3; ++place) {
        detail
            .pictureFile(
                QRectF(60 + 10 * place, 0, 8, 8),
                [place](const ReportContext &context) {
                    const QStringList marks = context.value(QStringLiteral("Allergen"))
                                                  .toString()
                                                  .split(QLatin1Char(','), Qt::SkipEmptyParts);
                    return place < marks.size() ? marks.at(place) : QStringLiteral("feher.bmp");
                },
                dir.path())
            .setRequired();
    }
    QString error;
    PreparedReport prepared = ReportLayout::prepare(report, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(prepared.images.size(), 2);
    QList<int> images;
    for (const PageItem &item : prepared.pages.at(0).items) {
        if (item.kind == PageItem::Picture)
            images.append(item.image);
    }
    const int red = prepared.images.at(0).image().pixelColor(0, 0) == QColor(Qt::red) ? 0 : 1;
    QCOMPARE(images, (QList<int> {red, 1 - red, 1 - red, 1 - red, 1 - red, 1 - red}));

    // A mark without its file: the place stays empty and the first missing file is reported.
    data.addRow({QStringLiteral("Tejbegríz"), QStringLiteral("tej.bmp,tojás.bmp")});
    prepared = ReportLayout::prepare(report, &error);
    QCOMPARE(error,
        QStringLiteral("A fájl nem nyitható meg:\r")
            + QDir::toNativeSeparators(dir.filePath(QStringLiteral("tej.bmp"))));
    QCOMPARE(prepared.pages.size(), 1);

    // Not required: no report, only the empty place.
    for (ReportElement &element : detail.elements())
        element.setRequired(false);
    ReportLayout::prepare(report, &error);
    QVERIFY(error.isEmpty());
}

void TestPrintingLayout::bandKeptWithItsChildren()
{
    // A weekly-menu row: the dishes, then the nutrient lines and the allergen pictures under them.
    TableReportData data({QStringLiteral("Etkezes")});
    for (const QString &meal :
        {QStringLiteral("Reggeli"), QStringLiteral("Ebéd"), QStringLiteral("Uzsonna"), QStringLiteral("Vacsora")})
        data.addRow({meal});
    Report report;
    report.setData(&data);
    ReportBand &row = report.detail();
    row.setHeight(40);
    row.field(QRectF(0, 0, 40, 5), QStringLiteral("Etkezes"));
    ReportBand &nutrients = row.child();
    nutrients.setHeight(25);
    nutrients.label(QRectF(0, 0, 40, 5), QStringLiteral("energia:"));
    ReportBand &pictures = nutrients.child();
    pictures.setHeight(10);
    pictures.label(QRectF(0, 0, 40, 5), QStringLiteral("allergének"));

    // 277 mm: three rows of 75 mm fit; the fourth row alone (40 mm) would too, its lines would not.
    const PreparedReport loose = ReportLayout::prepare(report);
    QCOMPARE(pageOf(loose, QStringLiteral("Vacsora")), 0);
    QCOMPARE(loose.pages.size(), 2);

    row.setKeepWithChild(true);
    nutrients.setKeepWithChild(true);
    const PreparedReport kept = ReportLayout::prepare(report);
    QCOMPARE(kept.pages.size(), 2);
    QCOMPARE(texts(kept, 1),
        (QStringList {QStringLiteral("Vacsora"), QStringLiteral("energia:"), QStringLiteral("allergének")}));
    QCOMPARE(find(kept, 1, QStringLiteral("Vacsora")).y, 10.0f);
}

void TestPrintingLayout::figuresPrintWholeInASmallerFont_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("box");
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("figure");
    const int right = int(Qt::AlignRight | Qt::AlignVCenter);
    const int left = int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("7-digit total") << QStringLiteral("4 114 045,52 Ft") << 20.0 << right << true;
    QTest::newRow("negative amount") << QStringLiteral("-1 108 689,78") << 18.0 << right << true;
    QTest::newRow("8-digit voucher number") << QStringLiteral("00000023") << 12.0 << left << true;
    QTest::newRow("date") << QStringLiteral("2026.09.15") << 14.0 << left << true;
    QTest::newRow("quantity with unit") << QStringLiteral("112 968,745 kg") << 16.0 << right << true;
    QTest::newRow("fits as it is") << QStringLiteral("600,00") << 20.0 << right << true;
    QTest::newRow("a name may run past") << QStringLiteral("Sertés comb csont nélkül") << 20.0 << left << false;
    QTest::newRow("code-like word") << QStringLiteral("Tejföl 20%") << 5.0 << left << false;
}

void TestPrintingLayout::figuresPrintWholeInASmallerFont()
{
    QFETCH(QString, text);
    QFETCH(double, box);
    QFETCH(int, align);
    QFETCH(bool, figure);
    QCOMPARE(TextFit::isFigure(text), figure);

    // The same text as a label, as a data field and as a total: each kind prints whole.
    TableReportData data({QStringLiteral("Szoveg")});
    data.addRow({text});
    Report report;
    report.setData(&data);
    report.detail().setHeight(6);
    report.detail().label(QRectF(0, 0, box, 5), text).setAlignment(Qt::Alignment(align));
    report.detail().field(QRectF(50, 0, box, 5), QStringLiteral("Szoveg")).setAlignment(Qt::Alignment(align));
    report.summary().setHeight(6);
    report.summary().expression(QRectF(100, 0, box, 5), [text](const ReportContext &) { return text; })
        .setBold()
        .setAlignment(Qt::Alignment(align));
    const PreparedReport pages = ReportLayout::prepare(report);

    TextMeasure measure;
    const double natural = measure.width(ReportFont(), text);
    int printed = 0;
    for (const PageItem &item : pages.pages.first().items) {
        if (item.kind != PageItem::Text || item.text != text)
            continue;
        ++printed;
        const ReportFont font = pages.fonts.at(item.font);
        const double width = measure.width(font, text);
        QCOMPARE(item.w, float(box));
        if (!figure) {
            QCOMPARE(font.pointSize, 10.0);
        } else if (natural <= box) {
            QCOMPARE(font.pointSize, 10.0);
        } else {
            QVERIFY2(width <= box + 0.01, qPrintable(QStringLiteral("%1 mm in %2 mm").arg(width).arg(box)));
            // Just small enough: a quarter point larger would not fit.
            ReportFont larger = font;
            larger.pointSize += 0.25;
            QVERIFY(measure.width(larger, text) > box);
            QCOMPARE(font.bold, item.x >= 100);
        }
    }
    QCOMPARE(printed, 3);
}

QTEST_MAIN(TestPrintingLayout)
#include "tst_layout.moc"
