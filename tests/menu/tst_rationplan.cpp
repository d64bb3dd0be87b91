#include "menu/RationBuilder.h"
#include "menu/RationDraft.h"
#include "menu/RationInput.h"
#include "menu/RationPlan.h"
#include "session/Settings.h"
#include "support/RationFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

// Material usage planning over a period: upward rounding, current prices and stock, the norm
// frame per day and meal, and an unfinished ration sheet left as it was.
class TestMenuRationPlan : public QObject
{
    Q_OBJECT
private:
    const QDate m_from {2026, 3, 9};
    const QDate m_to {2026, 3, 10};
    EngineDatabases m_databases {QDate(2026, 1, 5)};
    TempDatabase *m_db = nullptr;
    std::unique_ptr<RationFixture> m_kitchen;

    QSqlDatabase db() const { return m_db->warehouse(1); }

private slots:
    void init()
    {
        m_db = &m_databases.current();
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        m_kitchen = std::make_unique<RationFixture>(db());
        QVERIFY(m_kitchen->clear());
        QVERIFY(m_kitchen->meal("01", "Ebéd", 500));
        QVERIFY(m_kitchen->meal("02", "Vacsora", 300));
        QVERIFY(m_kitchen->material("042", "0001", "Liszt", "KG", 2, 150, 3));
        QVERIFY(m_kitchen->material("042", "0002", "Cukor", "KG", 1, 400, 50));
        // Flour 0.2001 per 100 portions; sugar, and a material that Anyag does not know.
        QVERIFY(
            m_kitchen->recipe("0007", "Palacsinta", {{"042", "0001", 200.1}, {"042", "0002", 10}, {"042", "0099", 5}}));
        for (const QDate &date : {m_from, m_to}) {
            QVERIFY(m_kitchen->headcount(date, "01", 1));
            QVERIFY(m_kitchen->menu(date, "01", "1000", "0007", 1));
        }
        QVERIFY(m_kitchen->headcount(m_to, "02", 10, true));
        QVERIFY(m_kitchen->menu(m_to, "02", "1000", "0007", 1));
    }

    void planRoundsUpwardsAtCurrentPrices_data() { TestEngines::addRows(); }
    void planRoundsUpwardsAtCurrentPrices()
    {
        const auto plan = RationPlan::compute(db(), m_from, m_to, {"01", "02"});
        QVERIFY2(plan.ok(), qPrintable(plan.refusal.text));
        // The issued supper takes no part; the unknown material gives no line.
        QCOMPARE(plan.value.menu.size(), 2);
        QCOMPARE(plan.value.lines.size(), 4);
        QCOMPARE(plan.value.totals.size(), 2);
        const RationTotal &sugar = plan.value.totals[0];
        const RationTotal &flour = plan.value.totals[1];
        QCOMPARE(sugar.name, QStringLiteral("Cukor"));
        QCOMPARE(sugar.quantity, 0.2);
        QCOMPARE(sugar.stock, 50.0);
        // 2 x 2.001 = 4.002 goes up to 4.01, where the ration sheet would give 4.
        QCOMPARE(flour.quantity, 4.01);
        QCOMPARE(flour.stock, 3.0);
        QVERIFY(flour.isShort());
        QVERIFY(plan.value.hasShortage());
        QCOMPARE(plan.value.normFrame, Money::fromDouble(1000));
        QCOMPARE(plan.value.realValue, Money::fromDouble(150 * 2.001 * 2 + 400 * 0.1 * 2));
        // The lines are not reconciled with the rounded totals.
        QCOMPARE(plan.value.lines[0].quantity, 2.001);
    }

    void periodWithEveryMealIssuedOffersNothing_data() { TestEngines::addRows(); }
    void periodWithEveryMealIssuedOffersNothing()
    {
        QSqlQuery query(db());
        QVERIFY(query.exec(QStringLiteral("UPDATE \"Letszam\" SET \"Kiadva\" = TRUE")));
        const auto offered = RationInput::offeredMeals(db(), m_from, m_to);
        QVERIFY(offered.ok());
        QVERIFY(offered.value.isEmpty());
    }

    void planningLeavesTheUnfinishedSheetIntact_data() { TestEngines::addRows(); }
    void planningLeavesTheUnfinishedSheetIntact()
    {
        QTemporaryDir dir;
        Settings settings;
        settings.setIniPath(dir.filePath(QStringLiteral("salvia.ini")));
        FixedStock stock;
        RationSheet sheet = RationBuilder::compute(db(), m_to, {"01"}, stock).value.sheet;
        sheet.buildTotals();
        QVERIFY(sheet.changeTotal(MaterialKey {"042", "0001"}, 9).isNull());
        RationDraft draft(db(), settings, QStringLiteral("anna"));
        QVERIFY(draft.save(sheet).isNull());

        QVERIFY(RationPlan::compute(db(), m_from, m_to, {"01"}).ok());

        QVERIFY(draft.offerable(QDate(2025, 12, 31)).value);
        const auto restored = draft.restore(stock);
        QVERIFY(restored.ok());
        QCOMPARE(restored.value.totals().size(), sheet.totals().size());
        QCOMPARE(restored.value.totals()[1].quantity, 9.0);
        QCOMPARE(restored.value.date(), m_to);
    }
};

QTEST_GUILESS_MAIN(TestMenuRationPlan)
#include "tst_rationplan.moc"
