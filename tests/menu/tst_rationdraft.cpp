#include "menu/RationBuilder.h"
#include "menu/RationDraft.h"
#include "session/Settings.h"
#include "store/Database.h"
#include "support/RationFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

// Each user's unfinished ration sheet: kept apart from the others', restored after a restart,
// and offered only while its date and meals can still be issued.
class TestMenuRationDraft : public QObject
{
    Q_OBJECT
private:
    const QDate m_date {2026, 3, 10};
    EngineDatabases m_databases {QDate(2026, 1, 5)};
    TempDatabase *m_db = nullptr;
    std::unique_ptr<RationFixture> m_kitchen;
    QTemporaryDir m_iniDir;
    Settings m_settings;
    FixedStock m_stock;

    QSqlDatabase db() const { return m_db->warehouse(1); }

    RationSheet computed()
    {
        RationSheet sheet = RationBuilder::compute(db(), m_date, {"01", "02"}, m_stock).value.sheet;
        sheet.buildTotals();
        return sheet;
    }

    int rows(const QString &table, const QString &user)
    {
        QSqlQuery query(db());
        query.prepare(QStringLiteral("SELECT COUNT(*) FROM \"%1\" WHERE \"Felhasznalo\" = ?").arg(table));
        query.addBindValue(user);
        return query.exec() && query.next() ? query.value(0).toInt() : -1;
    }

private slots:
    void initTestCase() { m_settings.setIniPath(m_iniDir.filePath(QStringLiteral("salvia.ini"))); }

    void init()
    {
        m_db = &m_databases.current();
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        QFile::remove(m_settings.iniPath());
        // A fresh fixture: a test may have closed the connections.
        m_kitchen = std::make_unique<RationFixture>(db());
        QVERIFY(m_kitchen->clear());
        QVERIFY(m_kitchen->meal("01", "Ebéd", 500));
        QVERIFY(m_kitchen->meal("02", "Vacsora", 300));
        QVERIFY(m_kitchen->material("042", "0001", "Liszt", "KG", 0));
        QVERIFY(m_kitchen->material("042", "0002", "Cukor", "KG", 1));
        QVERIFY(m_kitchen->recipe("0007", "Palacsinta", {{"042", "0001", 10}, {"042", "0002", 5}}));
        QVERIFY(m_kitchen->headcount(m_date, "01", 11));
        QVERIFY(m_kitchen->headcount(m_date, "02", 3));
        QVERIFY(m_kitchen->menu(m_date, "01", "1000", "0007", 1));
        QVERIFY(m_kitchen->menu(m_date, "02", "1000", "0007", 1));
        m_stock = FixedStock();
        m_stock.set("042", "0001", 10, 100);
        m_stock.set("042", "0002", 0.1, 300);
    }

    void eachUserKeepsOwnSheet_data() { TestEngines::addRows(); }
    void eachUserKeepsOwnSheet()
    {
        RationDraft anna(db(), m_settings, QStringLiteral("anna"));
        RationDraft bela(db(), m_settings, QStringLiteral("bela"));
        RationSheet annas = computed();
        QVERIFY(annas.changeTotal(MaterialKey {"042", "0001"}, 7).isNull());
        QVERIFY(anna.save(annas).isNull());

        QVERIFY(bela.offerable(QDate(2025, 12, 31)).ok());
        QVERIFY(!bela.offerable(QDate(2025, 12, 31)).value);
        // Béla's own sheet, saved and then given up, leaves Anna's rows alone.
        QVERIFY(bela.save(computed()).isNull());
        QVERIFY(bela.clear().isNull());
        QCOMPARE(rows("TmpKiszabat_2", "bela"), 0);
        QCOMPARE(rows("TmpKiszabat_2", "anna"), 2);
        QCOMPARE(rows("TmpKiszabat", "anna"), 4);

        QVERIFY(anna.offerable(QDate(2025, 12, 31)).value);
        const auto restored = anna.restore(m_stock);
        QVERIFY(restored.ok());
        QCOMPARE(restored.value.totals()[1].name, QStringLiteral("Liszt"));
        QCOMPARE(restored.value.totals()[1].quantity, 7.0);
    }

    void restoredAfterRestartAsItWas_data() { TestEngines::addRows(); }
    void restoredAfterRestartAsItWas()
    {
        RationSheet sheet = computed();
        QVERIFY(sheet.changeTotal(MaterialKey {"042", "0001"}, 5).isNull());
        QVERIFY(RationDraft(db(), m_settings, QStringLiteral("anna")).save(sheet).isNull());
        const QList<RationLine> lines = sheet.lines();

        // A restart: every connection closed, a new settings object on the same file.
        Database::closeAll(m_db->path());
        Settings restarted;
        restarted.setIniPath(m_settings.iniPath());
        m_stock.set("042", "0002", 5, 300);
        RationDraft draft(db(), restarted, QStringLiteral("anna"));
        QVERIFY(draft.offerable(QDate(2025, 12, 31)).value);
        const auto restored = draft.restore(m_stock);
        QVERIFY2(restored.ok(), qPrintable(restored.refusal.text));
        QCOMPARE(restored.value.date(), m_date);
        QCOMPARE(restored.value.mealCodes(), QStringList({"01", "02"}));
        QCOMPARE(restored.value.lines().size(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(restored.value.lines()[i].quantity, lines[i].quantity);
            QCOMPARE(restored.value.lines()[i].value, lines[i].value);
            QCOMPARE(restored.value.lines()[i].mealCode, lines[i].mealCode);
        }
        // The totals built again from the lines give the corrected total; the stock is taken
        // afresh for the date.
        QCOMPARE(restored.value.totals()[0].name, QStringLiteral("Cukor"));
        QCOMPARE(restored.value.totals()[0].stock, 5.0);
        QCOMPARE(restored.value.totals()[1].quantity, 5.0);
        QVERIFY(!restored.value.hasShortage());
        QCOMPARE(restored.value.normFrame(), sheet.normFrame());
    }

    void sheetThatNoLongerFitsIsNotOffered_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("change");
        QTest::addColumn<QDate>("closedThrough");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "a meal issued meanwhile") << "issued" << QDate(2025, 12, 31);
            TestEngines::newRow(engine, "the month closed meanwhile") << "" << QDate(2026, 3, 31);
            TestEngines::newRow(engine, "a headcount removed meanwhile") << "removed" << QDate(2025, 12, 31);
            TestEngines::newRow(engine, "the settings section lost") << "settings" << QDate(2025, 12, 31);
        }
    }

    void sheetThatNoLongerFitsIsNotOffered()
    {
        QFETCH(QString, change);
        QFETCH(QDate, closedThrough);
        RationDraft draft(db(), m_settings, QStringLiteral("anna"));
        QVERIFY(draft.save(computed()).isNull());
        QSqlQuery query(db());
        if (change == QLatin1String("issued"))
            QVERIFY(query.exec(QStringLiteral("UPDATE \"Letszam\" SET \"Kiadva\" = TRUE WHERE \"Etkezesek\" = '02'")));
        if (change == QLatin1String("removed"))
            QVERIFY(query.exec(QStringLiteral("DELETE FROM \"Letszam\" WHERE \"Etkezesek\" = '01'")));
        if (change == QLatin1String("settings"))
            QVERIFY(QFile::remove(m_settings.iniPath()));
        const auto offered = draft.offerable(closedThrough);
        QVERIFY(offered.ok());
        QVERIFY(!offered.value);
        QCOMPARE(rows("TmpKiszabat_2", "anna"), 0);
        QCOMPARE(rows("TmpKiszabat", "anna"), 0);
    }
};

QTEST_GUILESS_MAIN(TestMenuRationDraft)
#include "tst_rationdraft.moc"
