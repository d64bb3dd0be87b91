#include "menu/RationBuilder.h"
#include "menu/RationDayDeletion.h"
#include "menu/RationDraft.h"
#include "menu/RationInput.h"
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

// The issue by menu and the deletion of a day on the stock engine: all or nothing, once.
class TestMenuRationIssue : public QObject
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

    // Flour (0 decimals) and sugar (1 decimal) received on 1 March; a pancake recipe for lunch and
    // supper of the ration date, 10 and 20 people.
    void kitchen()
    {
        QVERIFY(m_kitchen->clear());
        QVERIFY(m_kitchen->meal("01", "Ebéd", 500));
        QVERIFY(m_kitchen->meal("02", "Vacsora", 300));
        QVERIFY(m_kitchen->material("100", "0001", "Liszt", "KG", 0));
        QVERIFY(m_kitchen->material("100", "0002", "Cukor", "KG", 1));
        QVERIFY(m_kitchen->recipe("0007", "Palacsinta", {{"100", "0001", 10}, {"100", "0002", 5}}));
        QVERIFY(m_kitchen->headcount(m_date, "01", 10));
        QVERIFY(m_kitchen->headcount(m_date, "02", 20));
        QVERIFY(m_kitchen->menu(m_date, "01", "1000", "0007", 1));
        QVERIFY(m_kitchen->menu(m_date, "02", "1000", "0007", 1));
        StockLedger ledger(db(), options());
        QVERIFY(ledger.record(StockFixture::receipt("00000001", QDate(2026, 3, 1), "0001", 10, "200")).ok());
        QVERIFY(ledger.record(StockFixture::receipt("00000001", QDate(2026, 3, 1), "0002", 5, "400")).ok());
    }

    RationSheet sheet()
    {
        RationStockAtDate stock(db(), 2026);
        const auto computed = RationBuilder::compute(db(), m_date, {"01", "02"}, stock);
        if (!computed.ok())
            qWarning("%s", qPrintable(computed.refusal.text));
        RationSheet built = computed.value.sheet;
        built.buildTotals();
        return built;
    }

    RationIssueHeader header() { return RationIssueHeader {RationIssue(db(), options()).proposeNumber()}; }

    QString counter()
    {
        return value(QStringLiteral("SELECT \"Sorsz\" FROM \"Sorszam\" WHERE \"Ev\" = '2026'")).toString();
    }

    struct Snapshot
    {
        int movements = 0;
        QString counter;
        int issuedMeals = 0;
        int issuedLines = 0;
        double flourStock = 0;
        int draftRows = 0;
        bool operator==(const Snapshot &) const = default;
    };

    Snapshot snapshot()
    {
        return Snapshot {count(QStringLiteral("SELECT COUNT(*) FROM \"Raktar\"")), counter(),
            count(QStringLiteral("SELECT COUNT(*) FROM \"Letszam\" WHERE \"Kiadva\" = TRUE")),
            count(QStringLiteral("SELECT COUNT(*) FROM \"Kiszabat\"")),
            value(QStringLiteral("SELECT \"KeszletMennyiseg\" FROM \"Anyag\" WHERE \"NyilvSzam\" = '0001'")).toDouble(),
            count(QStringLiteral("SELECT COUNT(*) FROM \"TmpKiszabat_2\""))};
    }

private slots:
    void initTestCase() { m_settings.setIniPath(m_iniDir.filePath(QStringLiteral("salvia.ini"))); }

    void init()
    {
        m_db = &m_databases.current();
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        m_kitchen = std::make_unique<RationFixture>(db());
        QSqlQuery query(db());
        QVERIFY(query.exec(QStringLiteral("DELETE FROM \"Napizaras\"")));
        kitchen();
    }

    void issueWritesOneVoucherAndCompletesTheSheet_data() { TestEngines::addRows(); }
    void issueWritesOneVoucherAndCompletesTheSheet()
    {
        const RationSheet issued = sheet();
        // Flour 1 + 2 kg, sugar 0.5 + 1 kg.
        QCOMPARE(issued.totals().size(), 2);
        QVERIFY(RationIssue::shortage(issued).isNull());
        QVERIFY(RationDraft(db(), m_settings, QStringLiteral("anna")).save(issued).isNull());
        QVERIFY(RationDraft(db(), m_settings, QStringLiteral("bela")).save(issued).isNull());
        const QString before = counter();

        const StockOutcome outcome = RationIssue(db(), options()).issue(issued, header(), "anna", m_today);
        QVERIFY2(outcome.ok(), qPrintable(outcome.refusal.text));
        QCOMPARE(outcome.rows, 2);
        QCOMPARE(outcome.bizSzam, QStringLiteral("00000002"));
        QCOMPARE(outcome.sorszam, QStringLiteral("2026/") + before);
        QCOMPARE(counter().toInt(), before.toInt() + 1);

        QSqlQuery rows(db());
        QVERIFY(rows.exec(QStringLiteral(
            "SELECT \"NyilvSzam\", \"TetelMenny\", \"TetelErtek\", \"Stat\", \"Mozgnem\", "
            "\"Sorszam\", \"KeszletMenny\" FROM \"Raktar\" WHERE \"BK\" = 'KI' ORDER BY \"NyilvSzam\"")));
        QVERIFY(rows.next());
        QCOMPARE(rows.value(1).toDouble(), 3.0);
        QCOMPARE(StockFixture::money(rows.value(2).toString()), Money::fromDouble(600));
        QCOMPARE(rows.value(3).toInt(), 1);
        QCOMPARE(rows.value(4).toString(), QStringLiteral("07"));
        QCOMPARE(rows.value(5).toString(), outcome.sorszam);
        QCOMPARE(rows.value(6).toDouble(), 7.0);
        QVERIFY(rows.next());
        QCOMPARE(rows.value(1).toDouble(), 1.5);
        QCOMPARE(rows.value(6).toDouble(), 3.5);

        QCOMPARE(count("SELECT COUNT(*) FROM \"Letszam\" WHERE \"Kiadva\" = TRUE AND \"Mozgnem\" = '07'"), 2);
        QCOMPARE(count("SELECT COUNT(*) FROM \"Kiszabat\" WHERE \"BizSzam\" = '00000002'"), 4);
        QCOMPARE(value("SELECT \"UseDat\" FROM \"ReceptFej\" WHERE \"EtelKod\" = '0007'").toDate(), m_today);
        QCOMPARE(value("SELECT \"KeszletMennyiseg\" FROM \"Anyag\" WHERE \"NyilvSzam\" = '0001'").toDouble(), 7.0);
        // Anna's sheet is gone, Béla's is still there (and no longer fits: its meals are issued).
        QCOMPARE(count("SELECT COUNT(*) FROM \"TmpKiszabat_2\" WHERE \"Felhasznalo\" = 'anna'"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM \"TmpKiszabat_2\" WHERE \"Felhasznalo\" = 'bela'"), 2);
        QVERIFY(!RationDraft(db(), m_settings, QStringLiteral("bela")).offerable(QDate(2025, 12, 31)).value);

        // The same meals never go out twice, not even from a restored copy of the sheet.
        const Snapshot after = snapshot();
        const StockOutcome twice = RationIssue(db(), options()).issue(issued, header(), "anna", m_today);
        QCOMPARE(twice.refusal, RationIssue::failure());
        QVERIFY(snapshot() == after);
        const auto offered = RationInput::offeredMeals(db(), m_date, m_date);
        QVERIFY(offered.value.isEmpty());
    }

    void typedVoucherNumber_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "padded") << "12"
                                                  << "00000012";
            TestEngines::newRow(engine, "eight digits") << "99999999"
                                                        << "99999999";
            TestEngines::newRow(engine, "zero") << "0"
                                                << "00000005";
            TestEngines::newRow(engine, "too long") << "123456789"
                                                    << "00000005";
            TestEngines::newRow(engine, "not a number") << "12a"
                                                        << "00000005";
            TestEngines::newRow(engine, "empty") << ""
                                                 << "00000005";
        }
    }

    void typedVoucherNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(RationVoucherHeader::normalizedNumber(typed, QStringLiteral("00000005")), kept);
    }

    // The look-ups of the issue voucher and the material dialogs: a refused read names its cause
    // instead of offering an empty list.
    void failedLookUpsNameTheirCause_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<QString>("table");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "issue types") << "issue types" << "Mozgnem";
            TestEngines::newRow(engine, "ledger accounts") << "ledger accounts" << "Fokszam";
        }
    }
    void failedLookUpsNameTheirCause()
    {
        QFETCH(QString, engine);
        QFETCH(QString, lookup);
        QFETCH(QString, table);
        TempDatabase fresh(QDate(2026, 1, 5), engine);
        QVERIFY2(fresh.isValid(), qPrintable(fresh.errorText()));
        QSqlDatabase warehouse = fresh.warehouse(1);
        const auto lookUp = [&] {
            return lookup == QLatin1String("issue types") ? RationVoucherHeader::issueTypes(warehouse)
                                                          : RationInput::accounts(warehouse);
        };
        const Checked<LookupList> read = lookUp();
        QVERIFY2(read.ok(), qPrintable(read.refusal.text));

        QVERIFY(QSqlQuery(warehouse).exec(QStringLiteral("DROP TABLE \"%1\"").arg(table)));
        const Checked<LookupList> refused = lookUp();
        QVERIFY(!refused.ok());
        QVERIFY(refused.value.isEmpty());
        QCOMPARE(refused.refusal.text,
            QStringLiteral("Az adatbázis olvasása nem sikerült!\rOka: hiányzik egy tábla az adatbázisból."));
    }

    void refusedIssueChangesNothing_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "a meal issued meanwhile") << "issued" << RationIssue::failure().text;
            TestEngines::newRow(engine, "the month closed meanwhile")
                << "closed"
                << "Már lezárta ezt a hónapot!\rErre a hónapra anyagmozgást nem vihet fel!";
            TestEngines::newRow(engine, "stock would turn negative")
                << "negative"
                << "A készletek negatívba fordulnának, így\ra rekord nem lett rögzítve!";
            TestEngines::newRow(engine, "the typed voucher holds the material")
                << "held"
                << "Ezen a bizonylaton már létezik ilyen anyag!\rEgy bizonylaton nem lehetnek azonos anyagok!";
            TestEngines::newRow(engine, "the typed voucher is another partner's")
                << "partner"
                << "Nem írt be szállítót, vagy ez a bizonylat már létezik!\rLétező bizonylatnál nem változtathat "
                   "szállítót!";
            TestEngines::newRow(engine, "an opening after the ration date")
                << "opening"
                << "A nyitótétel előtti dátumra nem vihet fel\ranyagot! Kérem válasszon későbbi dátumot!";
            TestEngines::newRow(engine, "voucher number not eight digits")
                << "number"
                << "Hibás értékadás!\rA bizonylat sorszáma csak pozitív egész szám lehet!";
            TestEngines::newRow(engine, "a VAT group without a VAT row")
                << "vat"
                << "A(z) Liszt anyag ÁFA csoportjának (09) nincs a bizonylat dátumán érvényes ÁFA kulcsa!\rVegye fel "
                   "az ÁFA kódok között, a tétel nem lett rögzítve.";
        }
    }

    void refusedIssueChangesNothing()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        RationSheet issued = sheet();
        QVERIFY(RationDraft(db(), m_settings, QStringLiteral("anna")).save(issued).isNull());
        RationIssueHeader voucher = header();
        QSqlQuery query(db());
        if (change == QLatin1String("issued"))
            QVERIFY(query.exec(QStringLiteral("UPDATE \"Letszam\" SET \"Kiadva\" = TRUE WHERE \"Etkezesek\" = '02'")));
        if (change == QLatin1String("closed"))
            QVERIFY(query.exec(QStringLiteral("INSERT INTO \"Napizaras\" (\"Datum\") VALUES ('2026-03-31')")));
        // Sugar is fine, flour (issued second by name) asks for more than the store holds.
        if (change == QLatin1String("negative"))
            QVERIFY(issued.changeTotal(MaterialKey {"100", "0001"}, 11).isNull());
        if (change == QLatin1String("number"))
            voucher = RationIssueHeader {QStringLiteral("12"), false};
        if (change == QLatin1String("vat"))
            QVERIFY(query.exec(QStringLiteral("UPDATE \"Anyag\" SET \"AfaCsoport\" = '09' WHERE \"NyilvSzam\" = '0001'")));
        // Voucher 00000009 of the ration date already holds an issue of flour, or of salt.
        StockLedger ledger(db(), options());
        if (change == QLatin1String("held"))
            QVERIFY(ledger.record(StockFixture::issue("00000009", m_date, "0001", 1)).ok());
        if (change == QLatin1String("partner")) {
            QVERIFY(m_kitchen->material("100", "0003", "Só", "KG", 0));
            QVERIFY(ledger.record(StockFixture::receipt("00000008", QDate(2026, 3, 1), "0003", 2, "100")).ok());
            QVERIFY(ledger.record(StockFixture::issue("00000009", m_date, "0003", 1)).ok());
        }
        // Flour's stock opened afresh the day after the ration date.
        if (change == QLatin1String("opening"))
            StockFixture::addRow(db(),
                StockFixture::voucherItem("BE", "00", "00000007", m_date.addDays(1), "100", "0001", "00000", "01",
                    "100", "27", "127"));
        if (change == QLatin1String("held") || change == QLatin1String("partner"))
            voucher = RationIssueHeader {QStringLiteral("00000009"), false, QStringLiteral("07"),
                change == QLatin1String("held") ? QStringLiteral("00001") : QStringLiteral("00002")};
        const Snapshot before = snapshot();
        const StockOutcome outcome = RationIssue(db(), options()).issue(issued, voucher, "anna", m_today);
        QCOMPARE(outcome.refusal.text, message);
        QVERIFY(outcome.bizSzam.isEmpty());
        QVERIFY(snapshot() == before);
    }

    // A restored sheet issues what its detail lines add up to, as view 4 would show it: a line
    // changed in view 3 after the totals were stored, or a total stored twice, never reaches
    // the voucher.
    void restoredSheetIssuesTheTotalsOfItsLines_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("change");
        QTest::addColumn<double>("sugar");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "a line changed after the totals were stored") << "line" << 3.0;
            TestEngines::newRow(engine, "a total stored twice") << "twice" << 1.5;
        }
    }

    void restoredSheetIssuesTheTotalsOfItsLines()
    {
        QFETCH(QString, change);
        QFETCH(double, sugar);
        RationDraft draft(db(), m_settings, QStringLiteral("anna"));
        RationSheet stored = sheet();
        QVERIFY(draft.save(stored).isNull());
        if (change == QLatin1String("line")) {
            // Supper's sugar 1.0 -> 2.5 in view 3; the screen stores the sheet, totals unchanged.
            qint64 supperSugar = 0;
            for (const RationLine &line : stored.lines())
                if (line.number == QLatin1String("0002") && line.mealCode == QLatin1String("02"))
                    supperSugar = line.id;
            QVERIFY(stored.changeLine(supperSugar, 2.5).isNull());
            QVERIFY(draft.save(stored).isNull());
            QCOMPARE(count("SELECT COUNT(*) FROM \"TmpKiszabat_2\" WHERE \"Mennyiseg\" = 1.5"), 1);
        }
        if (change == QLatin1String("twice")) {
            QSqlQuery query(db());
            QVERIFY(query.exec(QStringLiteral(
                "INSERT INTO \"TmpKiszabat_2\" (\"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mennyiseg\", "
                "\"KeszletMennyiseg\", \"Mertekegyseg\", \"Felhasznalo\") "
                "VALUES ('100', '0002', 'Cukor', 1.5, 5, 'KG', 'anna')")));
        }

        RationStockAtDate stock(db(), 2026);
        QVERIFY(draft.offerable(QDate(2025, 12, 31)).value);
        const auto restored = draft.restore(stock);
        QVERIFY2(restored.ok(), qPrintable(restored.refusal.text));
        const StockOutcome outcome
            = RationIssue(db(), options()).issue(restored.value, header(), "anna", m_today);
        QVERIFY2(outcome.ok(), qPrintable(outcome.refusal.text));
        QCOMPARE(outcome.rows, 2);
        QCOMPARE(
            value("SELECT \"TetelMenny\" FROM \"Raktar\" WHERE \"BK\" = 'KI' AND \"NyilvSzam\" = '0002'").toDouble(),
            sugar);
        // What left the store is what the issued sheet records, material by material.
        for (const QString &number : {QStringLiteral("0001"), QStringLiteral("0002")}) {
            const QString where = QStringLiteral(" WHERE \"NyilvSzam\" = '%1'").arg(number);
            QCOMPARE(value(QStringLiteral("SELECT SUM(\"TetelMenny\") FROM \"Raktar\"") + where
                         + QStringLiteral(" AND \"BK\" = 'KI'"))
                         .toDouble(),
                value(QStringLiteral("SELECT SUM(\"Mennyiseg\") FROM \"Kiszabat\"") + where).toDouble());
        }
    }

    // A sheet of zeros posts no item, so its voucher header is never asked for: whatever number
    // the unseen header holds, the sheet is issued.
    void sheetOfZerosCountsAsIssued_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<bool>("proposed");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "the proposed number") << true;
            TestEngines::newRow(engine, "no number to propose") << false;
        }
    }

    void sheetOfZerosCountsAsIssued()
    {
        QFETCH(bool, proposed);
        RationSheet issued = sheet();
        QVERIFY(RationIssue::postsItems(issued));
        QVERIFY(issued.changeTotal(MaterialKey {"100", "0001"}, 0).isNull());
        QVERIFY(issued.changeTotal(MaterialKey {"100", "0002"}, 0).isNull());
        QVERIFY(!RationIssue::postsItems(issued));
        const QString before = counter();
        const RationIssueHeader voucher = proposed ? header() : RationIssueHeader {QString()};
        const StockOutcome outcome = RationIssue(db(), options()).issue(issued, voucher, "anna", m_today);
        QVERIFY2(outcome.ok(), qPrintable(outcome.refusal.text));
        QCOMPARE(outcome.rows, 0);
        QCOMPARE(counter(), before);
        QCOMPARE(count("SELECT COUNT(*) FROM \"Raktar\" WHERE \"BK\" = 'KI'"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM \"Letszam\" WHERE \"Kiadva\" = TRUE"), 2);
        QCOMPARE(count("SELECT COUNT(*) FROM \"Kiszabat\" WHERE \"BizSzam\" = ''"), 4);
    }

    void dayDeletionRestoresTheDay_data() { TestEngines::addRows(); }
    void dayDeletionRestoresTheDay()
    {
        StockLedger ledger(db(), options());
        QVERIFY(RationIssue(db(), options()).issue(sheet(), header(), "anna", m_today).ok());
        // A manual issue and an a-la-carte issue of the same day stay.
        QVERIFY(ledger.record(StockFixture::issue("00000010", m_date, "0001", 1)).ok());
        StockItem alaCarte = StockFixture::issue("00000011", m_date, "0002", 0.5);
        alaCarte.mozgnem = QStringLiteral("08");
        alaCarte.stat = true;
        QVERIFY(ledger.record(alaCarte).ok());
        QCOMPARE(RationDayDeletion::issuedMeals(db(), m_date).value.size(), 2);

        const Checked<int> deleted = RationDayDeletion::remove(db(), m_date, options());
        QVERIFY2(deleted.ok(), qPrintable(deleted.refusal.text));
        QCOMPARE(deleted.value, 2);
        QCOMPARE(count("SELECT COUNT(*) FROM \"Raktar\" WHERE \"BK\" = 'KI'"), 2);
        QCOMPARE(count("SELECT COUNT(*) FROM \"Kiszabat\""), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM \"Letszam\" WHERE \"Kiadva\" = FALSE AND \"Mozgnem\" = ''"), 2);
        QCOMPARE(value("SELECT \"KeszletMennyiseg\" FROM \"Anyag\" WHERE \"NyilvSzam\" = '0001'").toDouble(), 9.0);
        QCOMPARE(value("SELECT \"KeszletMennyiseg\" FROM \"Anyag\" WHERE \"NyilvSzam\" = '0002'").toDouble(), 4.5);
        QCOMPARE(RationInput::offeredMeals(db(), m_date, m_date).value.size(), 2);
    }

    void refusedDayDeletionChangesNothing_data() { TestEngines::addRows(); }
    void refusedDayDeletionChangesNothing()
    {
        QVERIFY(RationIssue(db(), options()).issue(sheet(), header(), "anna", m_today).ok());
        QSqlQuery query(db());
        QVERIFY(query.exec(QStringLiteral("INSERT INTO \"Napizaras\" (\"Datum\") VALUES ('2026-03-31')")));
        const Snapshot before = snapshot();
        const Checked<int> deleted = RationDayDeletion::remove(db(), m_date, options());
        QCOMPARE(deleted.refusal.text,
            QStringLiteral("Már lezárta ezt a hónapot!\rErre a hónapra anyagmozgást nem vihet fel!"));
        QVERIFY(snapshot() == before);
    }
};

QTEST_GUILESS_MAIN(TestMenuRationIssue)
#include "tst_rationissue.moc"
