#include "core/ScriptedMessenger.h"
#include "master/Materials.h"
#include "master/ui/qrpRecept.h"
#include "proceedings/ui/qrpJegyzokonyv.h"
#include "reports/MaterialCard.h"
#include "reports/ui/qrpAnyagKarton.h"
#include "menu/ui/RationModels.h"
#include "menu/ui/RationSheetPrintout.h"
#include "printing/TableReportData.h"
#include "printing/ui/ListReport.h"
#include "reports/ui/qrpLeltar.h"
#include "reports/ui/qrpLeltarKul.h"
#include "reports/ui/qrpEtlapHeti.h"
#include "reports/ui/qrpEtlapLista.h"
#include "reports/ui/qrpTapReszl.h"
#include "widgets/UiAllergenPictures.h"
#include "session/Settings.h"
#include "stock/ui/qrpBevbiz.h"
#include "stock/ui/qrpKibiz.h"
#include "support/PrintedPages.h"
#include "support/RationFixture.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TextFitCheck.h"

#include <QDir>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

using namespace PrintedPages;

namespace {

const QString LongName = QStringLiteral("Sertés comb csont nélkül, fagyasztott, vákuumcsomagolt kiszerelés");
const QString LongPartner
    = QStringLiteral("Zöldség-Gyümölcs Nagykereskedelmi és Szolgáltató Korlátolt Felelősségű Társaság");
const QDate ReceiptDay(2026, 9, 15);
const QDate IssueDay(2026, 9, 16);

// One movement of a material worth seven digits, under an eight-digit voucher number.
MovementRow bigMovement(const QString &bk, const QString &mozgnem, const QString &bizSzam, const QDate &datum)
{
    MovementRow row = StockFixture::voucherItem(
        bk, mozgnem, bizSzam, datum, "213", "9990", "12345", "01", "4114045.52", "1110792.29", "5224837.81");
    row.sorszam = QStringLiteral("2026/") + bizSzam;
    row.tetelMenny = 112968.745;
    row.beAr = StockFixture::money("36.4180");
    row.kiAr = StockFixture::money("36.4180");
    row.keszletMenny = bk == QLatin1String("BE") ? 1129687.5 : 1016718.755;
    row.keszletErtek = StockFixture::money(bk == QLatin1String("BE") ? "41140455.2" : "37026409.68");
    row.lejarat = QDate(2026, 12, 31);
    return row;
}

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
        line.kerekites = i == 1 ? 0 : 3;
        line.keszletErtek = Money::fromDouble(values[i]);
        line.keszletAfa = Money::fromDouble(values[i] * 0.27);
        line.keszletBrutto = line.keszletErtek + line.keszletAfa;
        line.nyilvAr = Money::fromDouble(values[i] / line.keszletMenny);
        lines << line;
    }
    return lines;
}

// The values of one portion in seven digits.
DishValues bigValues()
{
    DishValues v;
    v.energia = 4114045.52;
    v.kaloria = 983280.48;
    v.feherje = 1234567.8;
    v.zsir = 2345678.9;
    v.zsirTe = 1234567.2;
    v.szenhidrat = 3456789.1;
    v.cukor = 1111111.1;
    v.so = 1234567.89;
    return v;
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
    std::unique_ptr<TempDatabase> m_db;

    QSqlDatabase wh() const { return m_db->warehouse(1); }

    static void checkFits(const PreparedReport &pages)
    {
        const QStringList cut = TextFitCheck::figuresCut(pages);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        const QStringList overlapping = TextFitCheck::overlaps(pages);
        QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join(QStringLiteral("; "))));
    }

private slots:
    void initTestCase()
    {
        m_settings.setIniPath(m_dir.filePath(QStringLiteral("salvia.ini")));
        m_settings.writeBool(QStringLiteral("PrintSettings"), QStringLiteral("EnableFooter"), false);
        m_settings.setCegNev(QStringLiteral("Napsugár Óvoda"));
        m_settings.setAktivRaktarNev(QStringLiteral("Központi konyha"));
        m_settings.setCegVaros(QStringLiteral("Hódmezővásárhely"));

        // A material received and issued in seven-digit amounts, from and to a long-named partner,
        // and a recipe of it.
        m_db = std::make_unique<TempDatabase>(QDate(2026, 9, 1));
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        StockFixture::addMaterial(wh(), "213", "9990", LongName, 3);
        StockFixture::addPartner(wh(), "12345", LongPartner, "1234", "Hódmezővásárhely", "Kossuth Lajos sugárút 123.");
        StockFixture::addRow(wh(), bigMovement("BE", "01", "12345678", ReceiptDay));
        StockFixture::addRow(wh(), bigMovement("KI", "03", "87654321", IssueDay));
        QVERIFY(QSqlQuery(wh()).exec("UPDATE \"Anyag\" SET \"KeszletMennyiseg\" = 1016718.755, "
                                     "\"KeszletErtek\" = 37026409.68, \"NyilvAr\" = 36.418"));
        RationFixture kitchen(wh());
        QVERIFY(kitchen.recipe("0007", LongName, {{"213", "9990", 1234567.891}}));
        QVERIFY(QSqlQuery(wh()).exec("UPDATE \"ReceptFej\" SET \"LetrDat\" = '2026-09-15', \"ModDat\" = '2026-09-16', "
                                     "\"Energia\" = 412345678.9, \"Feherje\" = 123456789.1, "
                                     "\"Leiras\" = 'Kiolvasztás után 1234567 gramm húst 45 percig főzünk.'"));
    }
    void cleanupTestCase() { m_db.reset(); }

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
        // Each quantity with its material's decimals.
        QCOMPARE(lines.contains(QStringLiteral("112968,745")), !blank);
        QCOMPARE(lines.contains(QStringLiteral("112970")), !blank);
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

    void materialCard()
    {
        MaterialCard card(wh());
        QString error;
        QVERIFY2(card.run("213", "9990", QDate(2026, 9, 1), QDate(2026, 9, 30), &error), qPrintable(error));
        QCOMPARE(card.rows().size(), 2);
        TqrpAnyagKarton printout(m_settings, m_messenger, card, "9990", QDate(2026, 9, 1), QDate(2026, 9, 30));
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        const QStringList lines = allTexts(pages);
        QVERIFY(lines.contains(QStringLiteral("12345678")));
        QVERIFY(lines.contains(QStringLiteral("2026.09.15")));
        QVERIFY2(lines.contains(QStringLiteral("4 114 045,52")), qPrintable(lines.join('|')));
    }

    void vouchers_data()
    {
        QTest::addColumn<bool>("receipt");
        QTest::addColumn<bool>("list");
        QTest::newRow("receipt voucher") << true << false;
        QTest::newRow("receipt voucher list") << true << true;
        QTest::newRow("issue voucher") << false << false;
        QTest::newRow("issue voucher list") << false << true;
    }
    void vouchers()
    {
        QFETCH(bool, receipt);
        QFETCH(bool, list);
        const QString direction = receipt ? QStringLiteral("BE") : QStringLiteral("KI");
        const QString number = receipt ? QStringLiteral("12345678") : QStringLiteral("87654321");
        const QDate day = receipt ? ReceiptDay : IssueDay;
        const VoucherPrintRows rows = list
            ? VoucherPrintRows::ofList(wh(), {direction, QDate(2026, 9, 1), QDate(2026, 9, 30)})
            : VoucherPrintRows::ofVoucher(wh(), direction, number, day);
        QCOMPARE(rows.vouchers().size(), 1);
        const QDate to = list ? QDate(2026, 9, 30) : QDate();
        const QDate from = list ? QDate(2026, 9, 1) : day;
        std::unique_ptr<VoucherPrintout> printout;
        if (receipt)
            printout = std::make_unique<TqrpBevbiz>(m_settings, m_messenger, rows, from, to);
        else
            printout = std::make_unique<TqrpKibiz>(m_settings, m_messenger, rows, from, to);
        const PreparedReport pages = printout->prepare();
        checkFits(pages);
        const QStringList lines = allTexts(pages);
        QVERIFY2(lines.join('|').contains(number), qPrintable(lines.join('|')));
        QVERIFY2(lines.join('|').contains(QStringLiteral("4 114 045,52")), qPrintable(lines.join('|')));
    }

    void recipeCard()
    {
        TqrpRecept printout(m_settings, m_messenger, wh(), "0007");
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        const QStringList lines = allTexts(pages);
        QVERIFY2(lines.contains(QStringLiteral("1234567,891")), qPrintable(lines.join('|')));
        QVERIFY(lines.contains(QStringLiteral("4123456,789 KJ")));
    }

    void recipeList()
    {
        TqrpReceptLista printout(m_settings, m_messenger, wh());
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        QVERIFY(allTexts(pages).contains(QStringLiteral("1234567,891")));
    }

    void proceedings()
    {
        const QString text = QStringLiteral(
            "A bizottság a 12345678 számú bevételi és a 87654321 számú kiadási bizonylatot ellenőrizte.\n"
            "Könyv szerinti készletérték: 4 114 045,52 Ft, leltár szerinti készletérték: 4 108 689,78 Ft, "
            "eltérés: 5 355,74 Ft, amelyet a bizottság a raktárkezelő jelenlétében megállapított.\n"
            "4 114 045,52 Ft");
        TqrpJegyzokonyv printout(m_settings, m_messenger, text, QDate(2026, 9, 15));
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        const QStringList lines = allTexts(pages);
        QVERIFY(lines.contains(QStringLiteral("4 114 045,52 Ft")));
        QVERIFY(lines.contains(TqrpJegyzokonyv::dateLine(QStringLiteral("Hódmezővásárhely"), QDate(2026, 9, 15))));
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

    // The weekly menu in both day modes and both cell layouts: long dish names wrap inside their
    // cell, seven-digit sums stay whole, and rows do not run into each other.
    void weeklyMenu_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("textAllergens");
        QTest::newRow("five days, pictures") << 5 << false;
        QTest::newRow("seven days, pictures") << 7 << false;
        QTest::newRow("five days, a la carte") << 5 << true;
        QTest::newRow("seven days, a la carte") << 7 << true;
    }
    void weeklyMenu()
    {
        QFETCH(int, days);
        QFETCH(bool, textAllergens);
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkdir("Pictures"));
        for (const QString &name : allergenPictureNames())
            QVERIFY(allergenPicture(name).save(program.filePath("Pictures/" + name), "BMP"));
        WeeklyMenuPrint print;
        print.title = QStringLiteral("Heti étlap");
        print.week = QStringLiteral("23. hét 2026.06.01. - 2026.06.05. H - P");
        print.days = days;
        print.textAllergens = textAllergens;
        print.picturesFolder = program.filePath("Pictures");
        for (int r = 0; r < 5; ++r) {
            WeeklyMenuPrint::Row row;
            row.caption = QStringLiteral("0%1 Tízórai és uzsonna együtt, diétás változat").arg(r + 1);
            for (int d = 0; d < days; ++d) {
                WeeklyMenu::Cell cell;
                cell.lines = QStringList {LongName, QStringLiteral("Gulyásleves")};
                cell.sums = bigValues();
                for (int a = 1; a <= 14; ++a)
                    cell.allergens << QStringLiteral("A%1.bmp").arg(a, 2, 10, QLatin1Char('0'));
                cell.mayContain = cell.allergens.mid(0, 9);
                row.cells << cell;
            }
            print.rows << row;
        }
        TqrpEtlapHeti printout(m_settings, m_messenger, print);
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        const QStringList texts = allTexts(pages);
        QVERIFY(std::any_of(
            texts.cbegin(), texts.cend(), [](const QString &text) { return text.startsWith(QStringLiteral(" Sertés comb")); }));
    }

    // The menu list: long dish names and seven-digit values of one portion.
    void menuList()
    {
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkdir("Pictures"));
        for (const QString &name : allergenPictureNames())
            QVERIFY(allergenPicture(name).save(program.filePath("Pictures/" + name), "BMP"));
        QList<MenuDish> dishes;
        for (int i = 0; i < 3; ++i) {
            MenuDish dish;
            dish.menuId = i + 1;
            dish.date = ReceiptDay;
            dish.groupCode = QStringLiteral("02");
            dish.groupName = QStringLiteral("Ebéd");
            dish.name = LongName + QString::number(i);
            dish.quantity = 1;
            dish.unit = QStringLiteral("Adag");
            dish.account = QStringLiteral("1000");
            dish.number = QStringLiteral("0007");
            dish.values = bigValues();
            dishes << dish;
        }
        TqrpEtlapLista printout(m_settings, m_messenger, dishes, true, program.filePath("Pictures"));
        checkFits(printout.prepare());
    }

    // The detailed nutrient printout: names wrap between words in their column, seven-digit
    // figures stay whole.
    void detailedNutrients()
    {
        QList<NutrientDetailRow> rows;
        for (int i = 0; i < 3; ++i) {
            NutrientDetailRow row;
            row.account = QStringLiteral("213");
            row.number = QStringLiteral("%1").arg(9990 + i);
            row.name = LongName;
            row.group = QStringLiteral("01");
            row.unit = QStringLiteral("kg");
            row.quantity = 1234567.891;
            row.value = Money::fromDouble(4114045.52);
            row.values.fill(1234567.8);
            row.calories = 983280.48;
            rows << row;
        }
        NutrientDetailRow total = rows.first();
        total.kind = NutrientDetailRow::Kind::Total;
        total.account = QStringLiteral("-");
        total.name = QStringLiteral("Összesen:");
        rows << total;
        NutrientPeriod period {QDate(2026, 9, 1), QDate(2026, 9, 30), QStringLiteral("03"), QStringLiteral("07"),
            {QStringLiteral("01"), QStringLiteral("02")}};
        TqrpTapReszl printout(m_settings, m_messenger, rows, period, NutrientDivisor {1234, 30}, false);
        const PreparedReport pages = printout.prepare();
        checkFits(pages);
        // Each word of the name printed whole.
        const QStringList texts = allTexts(pages);
        for (const QString &word : LongName.split(' '))
            QVERIFY2(std::any_of(texts.cbegin(), texts.cend(),
                         [&](const QString &text) { return text.split(' ').contains(word); }),
                qPrintable(word));
    }
};

QTEST_MAIN(TestPrintoutFit)
#include "tst_printoutfit.moc"
