#include "core/ScriptedMessenger.h"
#include "master/Materials.h"
#include "menu/ui/RationModels.h"
#include "menu/ui/RationSheetPrintout.h"
#include "printing/TableReportData.h"
#include "printing/ui/ListReport.h"
#include "reports/ui/qrpLeltar.h"
#include "reports/ui/qrpLeltarKul.h"
#include "session/Settings.h"
#include "support/PrintedPages.h"
#include "support/TextFitCheck.h"

#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

using namespace PrintedPages;

namespace {

const QString LongName = QStringLiteral("Sertés comb csont nélkül, fagyasztott, vákuumcsomagolt kiszerelés");

// Stock lines whose totals reach seven digits: 4 114 045,52 Ft over three lines.
QList<StockLine> bigStock()
{
    QList<StockLine> lines;
    const double values[] = {3000000.25, 1000000.27, 114045.00};
    for (int i = 0; i < 3; ++i) {
        StockLine line;
        line.fokSzam = QStringLiteral("213");
        line.nyilvSzam = QStringLiteral("%1").arg(9990 + i);
        line.megnevezes = LongName + QString::number(i);
        line.mertekegyseg = QStringLiteral("kg");
        line.keszletMenny = 112968.745 + i;
        line.keszletErtek = Money::fromDouble(values[i]);
        line.keszletAfa = Money::fromDouble(values[i] * 0.27);
        line.keszletBrutto = line.keszletErtek + line.keszletAfa;
        line.nyilvAr = Money::fromDouble(values[i] / line.keszletMenny);
        lines << line;
    }
    return lines;
}

QList<InventoryDifference::Row> bigDifferences()
{
    QList<InventoryDifference::Row> rows;
    for (const StockLine &line : bigStock()) {
        InventoryDifference::Row row;
        row.fokSzam = line.fokSzam;
        row.nyilvSzam = line.nyilvSzam;
        row.megnevezes = line.megnevezes;
        row.mertekegyseg = line.mertekegyseg;
        row.keszletMenny = line.keszletMenny;
        row.valosKeszlet = rows.isEmpty() ? line.keszletMenny - 10 : line.keszletMenny;
        row.elteres = row.keszletMenny - row.valosKeszlet;
        row.keszletErtek = line.keszletErtek;
        row.nyilvAr = line.nyilvAr;
        row.elteresAr = Money::fromDouble(row.elteres * line.nyilvAr.toDouble());
        rows << row;
    }
    return rows;
}

} // namespace

// Every printout with seven-digit totals, eight-digit codes and long names: every number, date
// and code prints whole inside its box, and no text prints over another.
class TestPrintoutFit : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Settings m_settings;
    ScriptedMessenger m_messenger;

    static void checkFits(const PreparedReport &pages)
    {
        QCOMPARE(TextFitCheck::figuresCut(pages), QStringList());
        QCOMPARE(TextFitCheck::overlaps(pages), QStringList());
    }

private slots:
    void initTestCase()
    {
        m_settings.setIniPath(m_dir.filePath(QStringLiteral("salvia.ini")));
        m_settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), false);
        m_settings.setCegNev(QStringLiteral("Napsugár Óvoda"));
        m_settings.setAktivRaktarNev(QStringLiteral("Központi konyha"));
    }

    void inventoryList_data()
    {
        QTest::addColumn<bool>("blank");
        QTest::addColumn<bool>("showAfa");
        QTest::newRow("net") << false << false;
        QTest::newRow("with VAT") << false << true;
        QTest::newRow("blank sheet") << true << true;
    }

    void inventoryList()
    {
        QFETCH(bool, blank);
        QFETCH(bool, showAfa);
        TqrpLeltar printout(m_settings, m_messenger, bigStock(), QDate(2026, 9, 15), blank, showAfa);
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        const QStringList lines = allTexts(pages);
        QVERIFY(pages.fonts.at(find(pages, 0, QStringLiteral("2026.09.15.")).font).bold || blank);
        QCOMPARE(lines.contains(QStringLiteral("Készlet érték:")), !blank);
        QCOMPARE(lines.contains(QStringLiteral("4 114 045,52 Ft")), !blank);
        QCOMPARE(lines.contains(QStringLiteral("ÁFA:")), !blank && showAfa);
        QCOMPARE(lines.contains(QStringLiteral("Bruttó:")), !blank && showAfa);
        QCOMPARE(lines.contains(QStringLiteral("5 224 837,81 Ft")), !blank && showAfa);
    }

    void inventoryDifference()
    {
        TqrpLeltarKul printout(m_settings, m_messenger, bigDifferences(), QDate(2026, 9, 15));
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        const QStringList lines = allTexts(pages);
        QVERIFY(lines.contains(QStringLiteral("Készlet érték:")));
        QVERIFY(lines.contains(QStringLiteral("4 114 045,52 Ft")));
        QVERIFY(lines.contains(QStringLiteral("Eltérés:")));
        QCOMPARE(pages.jobTitle, QString());
        // The one row with a difference lies on silver.
        int silver = 0;
        for (const PageItem &item : pages.pages.first().items)
            silver += item.kind == PageItem::Rect && item.fill == QColor(192, 192, 192).rgba();
        QCOMPARE(silver, 1);
    }

    void materialList()
    {
        // The browse screen's list of materials: 24 columns on a landscape page.
        TableReportData data;
        QStringList names;
        QList<ListColumn> columns;
        for (const PrintColumn &print : Materials::browse().report) {
            names << print.field;
            columns << ListColumn {
                print.caption, print.field, print.width, print.right ? Qt::AlignRight : Qt::AlignLeft, print.format};
        }
        data.setColumns(names);
        QVariantList row;
        for (const QString &name : names)
            row << (name == QStringLiteral("Megnevezes")     ? QVariant(LongName)
                    : name == QStringLiteral("FokonyviSzam") ? QVariant(QStringLiteral("213"))
                                                             : QVariant(1234567.891));
        data.addRow(row);
        ScriptedMessenger messenger;
        Printout printout(m_settings, messenger);
        ListReport::Options options;
        options.landscape = true;
        ListReport::build(printout, QStringLiteral("Nyersanyagok listája"), columns, &data, options);
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        QVERIFY(allTexts(pages).contains(QStringLiteral("1234567,89")));
    }

    void rationSheetMaterialLines()
    {
        QList<RationViews::DetailRow> rows;
        for (int i = 0; i < 4; ++i) {
            RationViews::DetailRow row;
            row.id = i + 1;
            row.mealCode = QStringLiteral("0%1").arg(1 + i / 2);
            row.mealName = i < 2 ? QStringLiteral("Ebéd") : QStringLiteral("Vacsora");
            row.headcount = 1250;
            row.dishName = LongName;
            row.account = QStringLiteral("213");
            row.number = QStringLiteral("%1").arg(9990 + i);
            row.materialName = LongName + QString::number(i);
            row.quantity = 112968.745;
            row.decimals = 3;
            row.unit = QStringLiteral("kg");
            row.value = Money::fromDouble(4114045.52);
            rows << row;
        }
        QStandardItemModel model;
        RationModels::fillDetails(model, rows);
        ListReportOptions options;
        options.parameters = {QStringLiteral("Kiszabat dátum: 2026.09.15."), QStringLiteral("Étkezések: 01, 02, ")};
        options.summaryLines = {QStringLiteral("Norma keret: 1 000,00 Ft")};
        RationSheetPrintout printout(m_settings, m_messenger, QStringLiteral("Kiszabat, anyagok"),
            RationSheetPrintout::Rows::MaterialLines, RationModels::printColumns(3), &model, options);
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        const QStringList lines = allTexts(pages);
        // One group header per meal and dish, above its lines.
        QCOMPARE(lines.count(QStringLiteral("Létszám: ")), 2);
        QVERIFY(lines.indexOf(QStringLiteral("Ebéd")) < lines.indexOf(QStringLiteral("9990")));
        QVERIFY(lines.indexOf(QStringLiteral("Vacsora")) > lines.indexOf(QStringLiteral("9991")));
        QVERIFY(lines.indexOf(QStringLiteral("Vacsora")) < lines.indexOf(QStringLiteral("9992")));
        QVERIFY(
            lines.indexOf(QStringLiteral("Norma keret: 1 000,00 Ft")) > lines.indexOf(QStringLiteral("Sorok száma:")));
    }

    void rationSheetTotals()
    {
        QList<RationTotal> totals;
        for (int i = 0; i < 3; ++i) {
            RationTotal total;
            total.account = QStringLiteral("213");
            total.number = QStringLiteral("%1").arg(9990 + i);
            total.name = LongName;
            total.quantity = 1129687.5;
            total.stock = i == 1 ? 10 : 2000000;
            total.unit = QStringLiteral("kg");
            totals << total;
        }
        QStandardItemModel model;
        RationModels::fillTotals(model, totals, {}, QStringLiteral("Mért. egys."));
        ListReportOptions options;
        options.parameters = {QStringLiteral("Kiszabat dátum: 2026.09.15.")};
        options.summaryLines = {QStringLiteral("Nincs elég készlet a kiadáshoz!"),
            QStringLiteral("Norma keret: 1 000,00 Ft  Valós érték: 4 114 045,52 Ft")};
        RationSheetPrintout printout(m_settings, m_messenger, QStringLiteral("Kiszabat, kiadás"),
            RationSheetPrintout::Rows::Totals, RationModels::printColumns(4), &model, options);
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        const QStringList lines = allTexts(pages);
        // The shortage and the norm stand in the summary, not under the page header.
        QVERIFY(lines.indexOf(QStringLiteral("Nincs elég készlet a kiadáshoz!"))
            > lines.indexOf(QStringLiteral("Sorok száma:")));
        int silver = 0;
        for (const PageItem &item : pages.pages.first().items)
            silver += item.kind == PageItem::Rect && item.fill == QColor(192, 192, 192).rgba();
        QCOMPARE(silver, 1);
    }
};

QTEST_MAIN(TestPrintoutFit)
#include "tst_printoutfit.moc"
