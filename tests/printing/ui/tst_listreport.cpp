#include "session/Settings.h"
#include "core/ScriptedMessenger.h"
#include "printing/ui/ListReport.h"
#include "printing/ModelReportData.h"
#include "printing/ui/PageOutput.h"
#include "printing/ui/Printout.h"
#include "support/PrintedPages.h"
#include "support/TextFitCheck.h"
#include "printing/TableReportData.h"

#include <QProcess>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QtTest>

using namespace PrintedPages;

class TestPrintingListReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void listOfAQueryPrintsEveryRowWithCountAndSums();
    void hiddenAndTooWideColumns();
    void pictureColumnLoadsEachFileOnce();
    void reportListWithParametersOnALandscapePage();
    void filteredGridKeepsTheQuerysFieldNames();
    void browseScreenPrintsItsModelInOneCall();
    void figuresGetRoomAndWideListsTurnOrShrink_data();
    void figuresGetRoomAndWideListsTurnOrShrink();
    void summaryCaptionsAndLinesUnderTheTotals();

private:
    QTemporaryDir m_dir;
    Settings m_settings;
    QSqlDatabase m_db;
};

void TestPrintingListReport::initTestCase()
{
    m_settings.setIniPath(m_dir.filePath(QStringLiteral("salvia.ini")));
    m_settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), false);
    m_settings.setAktivRaktarNev(QStringLiteral("Konyha"));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lista"));
    m_db.setDatabaseName(m_dir.filePath(QStringLiteral("lista.sqlite")));
    QVERIFY(m_db.open());
    QSqlQuery query(m_db);
    QVERIFY(
        query.exec(QStringLiteral("CREATE TABLE Mozgnem (MozgnemKod TEXT, Megnevezes TEXT, Ertek REAL, Kep TEXT)")));
    QVERIFY(m_db.transaction());
    QVERIFY(query.prepare(QStringLiteral("INSERT INTO Mozgnem VALUES (?, ?, ?, ?)")));
    for (int i = 0; i < 700; ++i) {
        query.addBindValue(QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')));
        query.addBindValue(QStringLiteral("Mozgásnem %1").arg(i));
        query.addBindValue(i % 3 == 0 ? QVariant() : QVariant(i * 0.5));
        query.addBindValue(i % 2 ? QStringLiteral("piros.png") : QStringLiteral("kek.png"));
        QVERIFY(query.exec());
    }
    QVERIFY(m_db.commit());
}

void TestPrintingListReport::cleanupTestCase()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("lista"));
}

void TestPrintingListReport::listOfAQueryPrintsEveryRowWithCountAndSums()
{
    // A query model hands out its rows in batches; the list must still print all 700.
    QSqlQueryModel model;
    model.setQuery(QStringLiteral("SELECT MozgnemKod, Megnevezes, Ertek FROM Mozgnem ORDER BY MozgnemKod"), m_db);
    const ModelReportData data(&model);
    QCOMPARE(data.rowCount(), 700);
    QCOMPARE(data.columnIndex(QStringLiteral("megnevezes")), 1);

    ScriptedMessenger messenger;
    Printout printout(m_settings, messenger);
    ListReport::build(printout, QStringLiteral("Mozgásnemek"),
        {{QStringLiteral("Kód"), QStringLiteral("MozgnemKod"), 20},
            {QStringLiteral("Megnevezés"), QStringLiteral("Megnevezes"), 80},
            {QStringLiteral("Érték"), QStringLiteral("Ertek"), 40, Qt::AlignRight, QStringLiteral("###,###,##0.00 "),
                QString(), true}},
        &data);
    const PreparedReport pages = printout.prepare();

    int details = 0;
    for (int page = 0; page < pages.pages.size(); ++page) {
        const QStringList lines = texts(pages, page);
        QCOMPARE(lines.first(), QStringLiteral("Mozgásnemek"));
        QVERIFY(lines.contains(QStringLiteral("Konyha")));
        const int kod = int(lines.indexOf(QStringLiteral("Kód")));
        QVERIFY(kod > 0);
        QCOMPARE(lines.mid(kod, 3),
            (QStringList {QStringLiteral("Kód"), QStringLiteral("Megnevezés"), QStringLiteral("Érték")}));
        details += int(lines.filter(QRegularExpression(QStringLiteral("^Mozgásnem \\d+$"))).size());
        QVERIFY(pages.pages.at(page).items.size() > 0);
    }
    QCOMPARE(details, 700);
    QCOMPARE(texts(pages, 0).at(texts(pages, 0).indexOf(QStringLiteral("Mozgásnem 1")) + 1), QStringLiteral("0,50 "));

    // 0.5 * (sum of 0..699 without the multiples of 3) = 0.5 * (244650 - 81783)
    const QStringList last = texts(pages, int(pages.pages.size()) - 1);
    QCOMPARE(last.mid(last.size() - 4),
        (QStringList {QStringLiteral("Összesítés:"), QStringLiteral("81 433,50 "), QStringLiteral("Sorok száma:"),
            QStringLiteral("700")}));
}

void TestPrintingListReport::hiddenAndTooWideColumns()
{
    QSqlQueryModel model;
    model.setQuery(QStringLiteral("SELECT MozgnemKod, Megnevezes, Ertek FROM Mozgnem WHERE MozgnemKod < '003'"), m_db);
    const ModelReportData data(&model);
    ScriptedMessenger messenger;
    Printout printout(m_settings, messenger);
    ListReport::build(printout, QStringLiteral("Lista"),
        {{QStringLiteral("Kód"), QStringLiteral("MozgnemKod"), 100},
            {QStringLiteral("ÁFA"), QStringLiteral("Ertek"), 0},
            {QStringLiteral("Megnevezés"), QStringLiteral("Megnevezes"), 280}},
        &data, false);
    const PreparedReport pages = printout.prepare();
    const QStringList lines = texts(pages, 0);
    QVERIFY(!lines.contains(QStringLiteral("ÁFA")));
    QVERIFY(!lines.contains(QStringLiteral("0,5")));
    // 380 mm narrowed to 190 mm: the name column starts half way at 50 mm.
    const PageItem name = find(pages, 0, QStringLiteral("Mozgásnem 2"));
    QCOMPARE(name.x, float(10 + 50 + 0.5));
    QVERIFY(name.x + name.w <= 200.0f);
    QCOMPARE(lines.mid(lines.size() - 3),
        (QStringList {QStringLiteral("Összesítés:"), QStringLiteral("Sorok száma:"), QStringLiteral("3")}));
    QVERIFY(messenger.shown().isEmpty());
}

void TestPrintingListReport::pictureColumnLoadsEachFileOnce()
{
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage blue(32, 32, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QVERIFY(red.save(m_dir.filePath(QStringLiteral("piros.png"))));
    QVERIFY(blue.save(m_dir.filePath(QStringLiteral("kek.png"))));

    QSqlQueryModel model;
    model.setQuery(QStringLiteral("SELECT Megnevezes, Kep FROM Mozgnem WHERE MozgnemKod < '040'"), m_db);
    const ModelReportData data(&model);
    ScriptedMessenger messenger;
    Printout printout(m_settings, messenger);
    ListReport::build(printout, QStringLiteral("Allergének"),
        {{QStringLiteral("Megnevezés"), QStringLiteral("Megnevezes"), 80},
            {QStringLiteral("Jelölés"), QStringLiteral("Kep"), 20, Qt::AlignLeft, {}, {}, false, m_dir.path()}},
        &data, false);
    const PreparedReport pages = printout.prepare();
    QCOMPARE(pages.images.size(), 2);
    int pictures = 0;
    for (const PreparedReport::Page &page : pages.pages) {
        for (const PageItem &item : page.items) {
            if (item.kind == PageItem::Picture) {
                ++pictures;
                QCOMPARE(item.h, float(ListReport::PictureLineHeight - 1));
            }
        }
    }
    QCOMPARE(pictures, 40);
}

void TestPrintingListReport::reportListWithParametersOnALandscapePage()
{
    // A wide usage list: landscape, the period under the header, totals in their own mask, and a
    // column printed as a caption only (a sheet filled in by hand).
    QSqlQueryModel model;
    model.setQuery(QStringLiteral("SELECT MozgnemKod, Megnevezes, Ertek FROM Mozgnem WHERE MozgnemKod < '003'"), m_db);
    const ModelReportData data(&model);
    ScriptedMessenger messenger;
    Printout printout(m_settings, messenger);
    ListReport::Options options;
    options.landscape = true;
    options.warehouseName = false;
    options.signatureFooter = false;
    options.rowCount = false;
    options.parameters = {QStringLiteral("Paraméterek:"), QStringLiteral("Dátum: 2006.01.01. - 2006.03.31.")};
    ListColumn blank {QStringLiteral("Valós készlet"), QStringLiteral("Ertek"), 40, Qt::AlignRight};
    blank.printValue = false;
    ListColumn value {QStringLiteral("Érték BE"), QStringLiteral("Ertek"), 40, Qt::AlignRight,
        QStringLiteral("###,###,##0.00"), {}, true};
    value.sumFormat = QStringLiteral("###,###,##0.00 Ft");
    ListReport::build(printout, QStringLiteral("Anyagfelhasználás"),
        {{QStringLiteral("Mozgnem"), QStringLiteral("MozgnemKod"), 20},
            {QStringLiteral("Megnevezés"), QStringLiteral("Megnevezes"), 150}, value, blank},
        &data, options);
    const PreparedReport pages = printout.prepare();

    QCOMPARE(pages.pageSize, QSizeF(297, 210));
    QCOMPARE(pages.pages.size(), 1);
    const QStringList lines = texts(pages, 0);
    QVERIFY(!lines.contains(QStringLiteral("Konyha")));
    const int parameters = int(lines.indexOf(QStringLiteral("Paraméterek:")));
    QVERIFY(parameters > 0);
    QCOMPARE(lines.mid(parameters, 6),
        (QStringList {QStringLiteral("Paraméterek:"), QStringLiteral("Dátum: 2006.01.01. - 2006.03.31."),
            QStringLiteral("Mozgnem"), QStringLiteral("Megnevezés"), QStringLiteral("Érték BE"),
            QStringLiteral("Valós készlet")}));
    QCOMPARE(lines.count(QStringLiteral("0,50")), 1);
    QCOMPARE(lines.mid(lines.size() - 2), (QStringList {QStringLiteral("Összesítés:"), QStringLiteral("1,50 Ft")}));
    // 250 mm of columns fit across the landscape page without narrowing.
    const PageItem last = find(pages, 0, QStringLiteral("Valós készlet"));
    QCOMPARE(last.x + last.w, float(10 + 250 - 0.5));

    const QString pdf = m_dir.filePath(QStringLiteral("fekvo.pdf"));
    QCOMPARE(PageOutput::writePdf(pages, pdf), QString());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished(30000));
    const QString pdfInfo = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(pdfInfo.contains(QRegularExpression(QStringLiteral("Page size:\\s+84[12](\\.\\d+)? x 595"))),
        qPrintable(pdfInfo));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(printed.contains(QStringLiteral("Dátum: 2006.01.01. - 2006.03.31.")), qPrintable(printed));
    QVERIFY(printed.contains(QStringLiteral("1,50 Ft")));
}

void TestPrintingListReport::filteredGridKeepsTheQuerysFieldNames()
{
    // The grid shows captions and the list is filtered to one voucher: the printout still finds
    // its columns by the query's field names and prints only the rows that pass the filter.
    QSqlQueryModel model;
    model.setQuery(QStringLiteral("SELECT MozgnemKod, Megnevezes, Ertek FROM Mozgnem ORDER BY MozgnemKod"), m_db);
    model.setHeaderData(0, Qt::Horizontal, QStringLiteral("Kód"));
    model.setHeaderData(1, Qt::Horizontal, QStringLiteral("Megnevezés"));
    QSortFilterProxyModel voucher;
    voucher.setSourceModel(&model);
    voucher.setFilterKeyColumn(0);
    voucher.setFilterRegularExpression(QStringLiteral("^(001|002|650)$"));
    const ModelReportData data(&voucher);
    QCOMPARE(data.rowCount(), 3);
    QCOMPARE(data.columnIndex(QStringLiteral("Megnevezes")), 1);
    QCOMPARE(data.columnIndex(QStringLiteral("Megnevezés")), -1);

    ScriptedMessenger messenger;
    Printout printout(m_settings, messenger);
    ListReport::build(printout, QStringLiteral("Bevételi bizonylat"),
        {{QStringLiteral("Megnevezés"), QStringLiteral("Megnevezes"), 80},
            {QStringLiteral("Érték"), QStringLiteral("Ertek"), 40, Qt::AlignRight, QStringLiteral("0.00"), {}, true}},
        &data, false);
    const QStringList lines = allTexts(printout.prepare());
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^Mozgásnem \\d+$"))),
        (QStringList {QStringLiteral("Mozgásnem 1"), QStringLiteral("Mozgásnem 2"), QStringLiteral("Mozgásnem 650")}));
    QCOMPARE(lines.mid(lines.size() - 4),
        (QStringList {QStringLiteral("Összesítés:"), QStringLiteral("326,50"), QStringLiteral("Sorok száma:"),
            QStringLiteral("3")}));
}

void TestPrintingListReport::browseScreenPrintsItsModelInOneCall()
{
    QSqlQueryModel model;
    model.setQuery(
        QStringLiteral("SELECT Megnevezes FROM Mozgnem WHERE MozgnemKod < '005' ORDER BY MozgnemKod DESC"), m_db);
    ScriptedMessenger messenger;
    m_settings.setIsPrinter(0);
    ListReport::Options options;
    options.parameters = {QStringLiteral("összes dátum")};
    PreparedReport shown;
    const bool printed = ListReport::print(m_settings, messenger, QStringLiteral("Étlap"),
        {{QStringLiteral("Ételnév"), QStringLiteral("Megnevezes"), 80}}, &model, nullptr, nullptr, options,
        [&](const PreparedReport &pages, QWidget *) { shown = pages; });
    m_settings.setIsPrinter(1);

    QVERIFY(printed);
    QCOMPARE(messenger.texts(), QStringList {QStringLiteral("Nincs nyomtató telepítve!\rA nyomtatási képet megtekintheti és elmentheti, amit később kinyomtathat.")});
    const QStringList lines = texts(shown, 0);
    QCOMPARE(lines.first(), QStringLiteral("Étlap"));
    const int date = int(lines.indexOf(QStringLiteral("összes dátum")));
    QVERIFY(date > 0);
    // The grid's order: the descending query prints its rows from the last code.
    QCOMPARE(lines.mid(date + 1, 3),
        (QStringList {QStringLiteral("Ételnév"), QStringLiteral("Mozgásnem 4"), QStringLiteral("Mozgásnem 3")}));
    QCOMPARE(lines.last(), QStringLiteral("5"));
}

void TestPrintingListReport::figuresGetRoomAndWideListsTurnOrShrink_data()
{
    QTest::addColumn<int>("amountColumns");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("smaller");
    // Designed widths too narrow for 7-digit amounts and 8-digit voucher numbers: the names give
    // way; more amounts than a portrait page holds turn it; more than a landscape page holds at
    // 10 point print smaller.
    QTest::newRow("names give way") << 2 << false << false;
    QTest::newRow("landscape") << 6 << true << false;
    QTest::newRow("smaller font") << 11 << true << true;
}

void TestPrintingListReport::figuresGetRoomAndWideListsTurnOrShrink()
{
    QFETCH(int, amountColumns);
    QFETCH(bool, landscape);
    QFETCH(bool, smaller);
    QStringList names {QStringLiteral("BizSzam"), QStringLiteral("Datum"), QStringLiteral("Nev")};
    QList<ListColumn> columns {{QStringLiteral("Biz. szám"), QStringLiteral("BizSzam"), 10},
        {QStringLiteral("Dátum"), QStringLiteral("Datum"), 10, Qt::AlignLeft, {}, QStringLiteral("yyyy.MM.dd")},
        {QStringLiteral("Megnevezés"), QStringLiteral("Nev"), 90}};
    for (int i = 0; i < amountColumns; ++i) {
        names << QStringLiteral("Ertek%1").arg(i);
        ListColumn amount {QStringLiteral("Tétel érték"), names.last(), 15, Qt::AlignRight,
            QStringLiteral("###,###,##0.00"), {}, true};
        amount.sumFormat = QStringLiteral("###,###,##0.00 Ft");
        columns << amount;
    }
    TableReportData data(names);
    for (int row = 0; row < 3; ++row) {
        QVariantList values {QStringLiteral("%1").arg(10000023 + row, 8, 10, QLatin1Char('0')),
            QStringLiteral("2026-09-1%1").arg(row),
            QStringLiteral("Sertés comb csont nélkül, fagyasztott, vákuumcsomagolt, tálcás kiszerelés %1").arg(row)};
        for (int i = 0; i < amountColumns; ++i)
            values << 1371348.5 + row;
        data.addRow(values);
    }
    ScriptedMessenger messenger;
    Printout printout(m_settings, messenger);
    ListReport::build(printout, QStringLiteral("Anyagkarton"), columns, &data, false);
    const PreparedReport pages = printout.prepare();

    QCOMPARE(pages.isLandscape(), landscape);
    QCOMPARE(TextFitCheck::figuresCut(pages), QStringList());
    QCOMPARE(TextFitCheck::overlaps(pages), QStringList());
    const PageItem voucher = find(pages, 0, QStringLiteral("10000023"));
    QCOMPARE(pages.fonts.at(voucher.font).pointSize < 10, smaller);
    const QStringList lines = allTexts(pages);
    QVERIFY(lines.contains(QStringLiteral("2026.09.10")));
    QCOMPARE(lines.count(QStringLiteral("4 114 048,50 Ft")), amountColumns);
    // The long name wraps inside its column instead of running under the amounts.
    QVERIFY(!lines.contains(
        QStringLiteral("Sertés comb csont nélkül, fagyasztott, vákuumcsomagolt, tálcás kiszerelés 0")));
}

void TestPrintingListReport::summaryCaptionsAndLinesUnderTheTotals()
{
    TableReportData data({QStringLiteral("Nev"), QStringLiteral("Ertek"), QStringLiteral("Afa")});
    data.addRow({QStringLiteral("Liszt"), 3000000.25, 810000.07});
    data.addRow({QStringLiteral("Cukor"), 1114045.27, 300792.22});
    ListColumn value {QStringLiteral("Készlet érték"), QStringLiteral("Ertek"), 30, Qt::AlignRight,
        QStringLiteral("###,###,##0.00"), {}, true, {}, QStringLiteral("###,###,##0.00 Ft")};
    value.sumCaption = QStringLiteral("Készlet érték:");
    ListColumn vat = value;
    vat.caption = QStringLiteral("ÁFA");
    vat.column = QStringLiteral("Afa");
    vat.sumCaption = QStringLiteral("ÁFA:");
    ListReport::Options options;
    options.parameters = {QStringLiteral("2026.09.15."), QStringLiteral("második sor")};
    options.firstParameterBold = true;
    options.signatureFooter = false;
    options.summaryLines = {QStringLiteral("Nincs elég készlet a kiadáshoz!"), QStringLiteral("Norma keret: 1,00 Ft")};
    ScriptedMessenger messenger;
    Printout printout(m_settings, messenger);
    ListReport::build(printout, QStringLiteral("Anyagleltár"),
        {{QStringLiteral("Megnevezés"), QStringLiteral("Nev"), 120}, value, vat}, &data, options);
    const PreparedReport pages = printout.prepare();

    QVERIFY(pages.fonts.at(find(pages, 0, QStringLiteral("2026.09.15.")).font).bold);
    QVERIFY(!pages.fonts.at(find(pages, 0, QStringLiteral("második sor")).font).bold);
    const QStringList lines = texts(pages, 0);
    QCOMPARE(lines.mid(lines.indexOf(QStringLiteral("Összesítés:"))),
        (QStringList {QStringLiteral("Összesítés:"), QStringLiteral("Készlet érték:"), QStringLiteral("4 114 045,52 Ft"),
            QStringLiteral("ÁFA:"), QStringLiteral("1 110 792,29 Ft"), QStringLiteral("Sorok száma:"),
            QStringLiteral("2"), QStringLiteral("Nincs elég készlet a kiadáshoz!"),
            QStringLiteral("Norma keret: 1,00 Ft")}));
    QCOMPARE(TextFitCheck::figuresCut(pages), QStringList());
    QCOMPARE(TextFitCheck::overlaps(pages), QStringList());
}

QTEST_MAIN(TestPrintingListReport)
#include "tst_listreport.moc"
