#include "alacarte/CartDraft.h"
#include "alacarte/CartIssue.h"
#include "alacarte/CartMenuRows.h"
#include "alacarte/CartSheetBuilder.h"
#include "menu/RationBuilder.h"
#include "menu/RationIssue.h"
#include "menu/RationStockAtDate.h"
#include "menu/RationVoucherHeader.h"
#include "session/Settings.h"
#include "stock/StockLedger.h"
#include "support/RationFixture.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

// The a-la-carte ration sheet: computed by the ration sheet's pieces with upward rounding and an
// equal spread, kept per user, and issued once as one "08" voucher marking exactly the rows it
// was computed from.
class TestAlacarteCartSheet : public QObject
{
    Q_OBJECT
private:
    const QDate m_date {2026, 3, 10};
    const QDate m_today {2026, 3, 11};
    EngineDatabases m_databases {QDate(2026, 1, 5)};
    TempDatabase *m_db = nullptr;
    std::unique_ptr<RationFixture> m_kitchen;
    QTemporaryDir m_iniDir;
    Settings m_settings;

    QSqlDatabase db() const { return m_db->warehouse(1); }
    StockOptions options() const { return StockOptions {QStringLiteral("admin"), false}; }
    QVariant value(const QString &sql) { return StockFixture::value(db(), sql); }
    int count(const QString &sql) { return value(sql).toInt(); }

    bool exec(const QString &sql)
    {
        QSqlQuery query(db());
        if (query.exec(sql))
            return true;
        qWarning("%s", qPrintable(sql));
        return false;
    }

    qint64 menuRow(const QString &group, const QString &account, const QString &dish, double quantity, int headcount)
    {
        const auto id
            = CartMenuRows::add(db(), CartMenuRow {m_date, group, account, dish, quantity, headcount}, QDate());
        if (!id.ok())
            qWarning("%s", qPrintable(id.refusal.text));
        return id.value;
    }

    // Soups (01) and mains (02). Flour (0 decimals) and sugar (1 decimal) in stock; a pancake
    // recipe of 5 kg flour and 2 kg sugar per 100 portions: 1.5 portions each for 120 people in
    // the soups group, and sugar sold by itself, 0.1 kg each for 3 people, among the mains.
    void kitchen()
    {
        QVERIFY(m_kitchen->clear());
        for (const char *table :
            {"CartBear", "CartCsop", "CartEtlap", "CartKiszabat", "TmpCartKiszabat", "TmpCartKiszabat_2", "Napizaras"})
            QVERIFY(exec(QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(table))));
        QVERIFY(exec(QStringLiteral("INSERT INTO \"CartCsop\" (\"Csoport\", \"Megnev\") VALUES ('01', 'Levesek'), "
                                    "('02', 'Főételek')")));
        QVERIFY(m_kitchen->material("100", "0001", "Liszt", "KG", 0));
        QVERIFY(m_kitchen->material("100", "0002", "Cukor", "KG", 1));
        QVERIFY(m_kitchen->recipe("0007", "Palacsinta", {{"100", "0001", 5}, {"100", "0002", 2}}));
        QVERIFY(exec(QStringLiteral("INSERT INTO \"CartBear\" (\"Fokszam\", \"Etelkod\", \"Fixar\", \"AfaCsoport\") "
                                    "VALUES ('1000', '0007', 600, '01'), ('100', '0002', 300, '01')")));
        StockLedger ledger(db(), options());
        QVERIFY(ledger.record(StockFixture::receipt("00000001", QDate(2026, 3, 1), "0001", 20, "200")).ok());
        QVERIFY(ledger.record(StockFixture::receipt("00000001", QDate(2026, 3, 1), "0002", 10, "400")).ok());
        QVERIFY(menuRow("01", "1000", "0007", 1.5, 120) > 0);
        QVERIFY(menuRow("02", "100", "0002", 0.1, 3) > 0);
    }

    CartSheetBuilder::Result computed(const QStringList &groups = {"01", "02"})
    {
        RationStockAtDate stock(db(), 2026);
        auto result = CartSheetBuilder::compute(db(), m_date, groups, stock);
        if (!result.ok())
            qWarning("%s", qPrintable(result.refusal.text));
        result.value.sheet.buildTotals();
        return result.value;
    }

    // The daily menu's own ration sheet of the date, meal "01".
    RationSheet rationSheet()
    {
        RationStockAtDate stock(db(), 2026);
        auto built = RationBuilder::compute(db(), m_date, {"01"}, stock);
        if (!built.ok())
            qWarning("%s", qPrintable(built.refusal.text));
        built.value.sheet.buildTotals();
        return built.value.sheet;
    }

    RationIssueHeader header() { return RationIssueHeader {RationIssue(db(), options()).proposeNumber()}; }

private slots:
    void initTestCase() { m_settings.setIniPath(m_iniDir.filePath(QStringLiteral("salvia.ini"))); }

    void init()
    {
        m_db = &m_databases.current();
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        m_kitchen = std::make_unique<RationFixture>(db());
        kitchen();
    }

    // The totals of the a-la-carte sheet round upwards at 0 to 3 decimals, on the exact sum.
    void upwardRounding_data()
    {
        QTest::addColumn<QList<double>>("lines");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("total");
        QTest::newRow("0 decimals") << QList<double> {12.2} << 0 << 13.0;
        QTest::newRow("whole stays") << QList<double> {12.0} << 0 << 12.0;
        QTest::newRow("1 decimal") << QList<double> {2.31} << 1 << 2.4;
        QTest::newRow("2 decimals") << QList<double> {0.125} << 2 << 0.13;
        QTest::newRow("exact stays") << QList<double> {2.5} << 1 << 2.5;
        QTest::newRow("float noise") << QList<double> {0.1, 0.2} << 1 << 0.3;
        QTest::newRow("4 decimals unrounded") << QList<double> {1.23456} << 4 << 1.23456;
        QTest::newRow("two lines, 0 decimals") << QList<double> {2.0, 1.2} << 0 << 4.0;
    }
    void upwardRounding()
    {
        QFETCH(QList<double>, lines);
        QFETCH(int, decimals);
        QFETCH(double, total);
        const MaterialKey key {"100", "0009"};
        RationMaterial material {"100", "0009", "Só", "KG", decimals, true};
        RationSheet sheet(
            m_date, {RationMeal {"01", "Levesek", 10, Money()}}, {{key, material}}, {}, RationPolicy::aLaCarte());
        QList<RationLine> detail;
        for (const double quantity : lines) {
            RationLine line;
            line.account = key.account;
            line.number = key.number;
            line.quantity = quantity;
            line.mealCode = "01";
            detail << line;
        }
        sheet.setLines(detail);
        sheet.buildTotals();
        QCOMPARE(sheet.totals().size(), 1);
        QCOMPARE(sheet.totals().at(0).quantity, total);
        double sum = 0;
        for (const RationLine &line : sheet.lines())
            sum += line.quantity;
        QCOMPARE(sum, total);
    }

    void computeAndSpread_data() { TestEngines::addRows(); }
    void computeAndSpread()
    {
        CartSheetBuilder::Result result = computed();
        QCOMPARE(result.covered.size(), 2);
        QCOMPARE(result.sheet.meals().size(), 2);
        // 5 kg per 100 portions x 1.5 portions x 120 people.
        const RationLine &flour = result.sheet.lines().at(0);
        QCOMPARE(flour.quantity, 9.0);
        QCOMPARE(flour.mealCode, QStringLiteral("01"));
        QCOMPARE(flour.headcount, 120);
        // Sugar: 3.6 from the pancakes and 0.3 sold by itself.
        QCOMPARE(result.sheet.totals().size(), 2);
        QCOMPARE(result.sheet.totals().at(0).name, QStringLiteral("Cukor"));
        QCOMPARE(result.sheet.totals().at(0).quantity, 3.9);

        // A material added by hand is spread equally over the chosen groups, whatever their
        // headcounts, each line copying its group's headcount.
        QVERIFY(m_kitchen->material("100", "0003", "Só", "KG", 1));
        QVERIFY(exec(QStringLiteral("UPDATE \"Anyag\" SET \"KeszletMennyiseg\" = 0")));
        result = computed();
        QVERIFY(result.sheet.addMaterial(MaterialKey {"100", "0003"}, 3.0, {"01", "02"}).isNull());
        QList<RationLine> salt;
        for (const RationLine &line : result.sheet.lines())
            if (line.number == QLatin1String("0003"))
                salt << line;
        QCOMPARE(salt.size(), 2);
        QCOMPARE(salt.at(0).quantity, 1.5);
        QCOMPARE(salt.at(1).quantity, 1.5);
        QCOMPARE(salt.at(0).headcount, 120);
        QCOMPARE(salt.at(1).headcount, 3);

        // A group whose rows are all issued is not offered.
        QVERIFY(exec(QStringLiteral("UPDATE \"CartEtlap\" SET \"NettoAnyag\" = 0 WHERE \"Csoport\" = '02'")));
        const auto offered = CartSheetBuilder::offeredGroups(db(), m_date);
        QVERIFY(offered.ok());
        QCOMPARE(offered.value.size(), 1);
        QCOMPARE(offered.value.at(0).code, QStringLiteral("01"));
        QCOMPARE(offered.value.at(0).name, QStringLiteral("Levesek"));
    }

    void issueMarksExactlyWhatItIssued_data() { TestEngines::addRows(); }
    void issueMarksExactlyWhatItIssued()
    {
        const CartSheetBuilder::Result result = computed();
        QVERIFY(CartDraft(db(), m_settings, "anna").save(result.sheet, result.covered).isNull());
        QVERIFY(CartDraft(db(), m_settings, "bela").save(result.sheet, result.covered).isNull());
        // Béla's draft is his own: Anna's restore finds her sheet, his keeps its rows.
        RationStockAtDate stock(db(), 2026);
        const auto restored = CartDraft(db(), m_settings, "anna").restore(stock);
        QVERIFY(restored.ok());
        QCOMPARE(restored.value.covered, result.covered);
        QCOMPARE(restored.value.sheet.totals().size(), 2);
        QCOMPARE(restored.value.sheet.policy().rounding, RationPolicy::Rounding::Upwards);
        // A row added after computing is not on the sheet.
        const qint64 late = menuRow("01", "100", "0002", 0.2, 5);
        QVERIFY(late > 0);

        // The header asks for "07": the a-la-carte issue posts "08" all the same.
        RationIssueHeader asked = header();
        asked.mozgnem = QStringLiteral("07");
        const StockOutcome outcome
            = CartIssue(db(), options()).issue(restored.value.sheet, restored.value.covered, asked, "anna", m_today);
        QVERIFY2(outcome.ok(), qPrintable(outcome.refusal.text));
        QCOMPARE(outcome.rows, 2);
        QCOMPARE(
            count("SELECT COUNT(*) FROM \"Raktar\" WHERE \"BK\" = 'KI' AND \"Mozgnem\" = '08' AND \"Stat\" = TRUE"), 2);
        QCOMPARE(count("SELECT COUNT(*) FROM \"Raktar\" WHERE \"BK\" = 'KI' AND \"Mozgnem\" <> '08'"), 0);
        QCOMPARE(
            value("SELECT \"TetelMenny\" FROM \"Raktar\" WHERE \"BK\" = 'KI' AND \"NyilvSzam\" = '0002'").toDouble(),
            3.9);
        // Exactly the covered rows are locked; the late row stays open.
        QCOMPARE(count("SELECT COUNT(*) FROM \"CartEtlap\" WHERE \"NettoAnyag\" = 0"), 2);
        QVERIFY(CartMenuRows::read(db(), late).open);
        QCOMPARE(count("SELECT COUNT(*) FROM \"CartKiszabat\""), restored.value.sheet.lines().size());
        QCOMPARE(value("SELECT \"UseDat\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0007'").toDate(), m_today);
        QCOMPARE(count("SELECT COUNT(*) FROM \"TmpCartKiszabat_2\" WHERE \"Felhasznalo\" = 'anna'"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM \"TmpCartKiszabat\" WHERE \"Felhasznalo\" = 'anna'"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM \"TmpCartKiszabat_2\" WHERE \"Felhasznalo\" = 'bela'"), 2);

        // The same rows never go out twice: not from Béla's copy, not from Anna's sheet again.
        const int movements = count("SELECT COUNT(*) FROM \"Raktar\"");
        const StockOutcome twice
            = CartIssue(db(), options()).issue(result.sheet, result.covered, header(), "bela", m_today);
        QCOMPARE(twice.refusal, CartIssue::alreadyIssued());
        QCOMPARE(count("SELECT COUNT(*) FROM \"Raktar\""), movements);
        QCOMPARE(count("SELECT COUNT(*) FROM \"CartKiszabat\""), restored.value.sheet.lines().size());
        QVERIFY(CartMenuRows::read(db(), late).open);
        // Béla's stored sheet no longer fits and is forgotten; the late row is offered again.
        QVERIFY(!CartDraft(db(), m_settings, "bela").offerable(QDate(2025, 12, 31)).value);
        QCOMPARE(count("SELECT COUNT(*) FROM \"TmpCartKiszabat_2\" WHERE \"Felhasznalo\" = 'bela'"), 0);
        QCOMPARE(CartSheetBuilder::offeredGroups(db(), m_date).value.size(), 1);
        // The ration sheet's drafts are untouched by the a-la-carte ones.
        QCOMPARE(count("SELECT COUNT(*) FROM \"TmpKiszabat_2\""), 0);
    }

    // A restored sheet keeps its totals changed by hand and its lines as they were.
    void restoreKeepsHandChanges_data() { TestEngines::addRows(); }
    void restoreKeepsHandChanges()
    {
        CartSheetBuilder::Result result = computed();
        QVERIFY(result.sheet.changeTotal(MaterialKey {"100", "0001"}, 14).isNull());
        QVERIFY(result.sheet.changeTotal(MaterialKey {"100", "0002"}, 4.5).isNull());
        QVERIFY(CartDraft(db(), m_settings, "anna").save(result.sheet, result.covered).isNull());
        QVERIFY(CartDraft(db(), m_settings, "anna").offerable(QDate(2025, 12, 31)).value);
        RationStockAtDate stock(db(), 2026);
        const auto restored = CartDraft(db(), m_settings, "anna").restore(stock);
        QVERIFY2(restored.ok(), qPrintable(restored.refusal.text));
        QCOMPARE(restored.value.sheet.totals().size(), 2);
        QCOMPARE(restored.value.sheet.totals().at(0).quantity, 4.5);
        QCOMPARE(restored.value.sheet.totals().at(1).quantity, 14.0);
        QCOMPARE(restored.value.sheet.lines().size(), result.sheet.lines().size());
        // A covered row deleted meanwhile: the stored sheet is no longer offered, and is forgotten.
        QVERIFY(exec(QStringLiteral("DELETE FROM \"CartEtlap\" WHERE \"Csoport\" = '02'")));
        QVERIFY(exec(QStringLiteral("INSERT INTO \"CartEtlap\" (\"Datum\", \"Csoport\", \"FokSzam\", \"Etelkod\", "
                                    "\"Mennyiseg\", \"Letszam\", \"NettoAnyag\") VALUES ('2026-03-10', '02', '100', "
                                    "'0002', 0.1, 3, -1)")));
        QVERIFY(!CartDraft(db(), m_settings, "anna").offerable(QDate(2025, 12, 31)).value);
        QCOMPARE(count("SELECT COUNT(*) FROM \"TmpCartKiszabat\" WHERE \"Felhasznalo\" = 'anna'"), 0);
    }

    void movementTypeIsFixed_data() { TestEngines::addRows(); }
    void movementTypeIsFixed()
    {
        // The issue by menu neither offers nor posts the a-la-carte type.
        const LookupList types = RationVoucherHeader::issueTypes(db()).value;
        QVERIFY(!types.isEmpty());
        for (const LookupEntry &type : types)
            QVERIFY(type.code != RationVoucherHeader::aLaCarteType());
        const LookupList only = RationVoucherHeader::issueTypes(db(), RationVoucherHeader::aLaCarteType()).value;
        QCOMPARE(only.size(), 1);
        QCOMPARE(only.at(0).code, QStringLiteral("08"));

        QVERIFY(m_kitchen->meal("01", "Ebéd"));
        QVERIFY(m_kitchen->headcount(m_date, "01", 10));
        QVERIFY(m_kitchen->menu(m_date, "01", "1000", "0007", 1));
        const RationSheet menuSheet = rationSheet();
        QVERIFY(RationIssue::postsItems(menuSheet));
        RationIssueHeader asked = header();
        asked.mozgnem = RationVoucherHeader::aLaCarteType();
        const StockOutcome refused = RationIssue(db(), options()).issue(menuSheet, asked, "anna", m_today);
        QVERIFY(!refused.ok());
        QCOMPARE(count("SELECT COUNT(*) FROM \"Raktar\" WHERE \"BK\" = 'KI'"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM \"Letszam\" WHERE \"Kiadva\" = TRUE"), 0);
    }
};

QTEST_GUILESS_MAIN(TestAlacarteCartSheet)
#include "tst_cartsheet.moc"
