#include "core/HungarianOrder.h"
#include "menu/MenuList.h"
#include "menu/RationBuilder.h"
#include "menu/RationDraft.h"
#include "menu/RationInput.h"
#include "menu/RationPlan.h"
#include "menu/RationViews.h"
#include "menu/RationVoucherHeader.h"
#include "reports/InventoryDifference.h"
#include "reports/InventoryList.h"
#include "session/Settings.h"
#include "stock/VoucherLookups.h"
#include "support/RationFixture.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

// The Hungarian alphabetical order of the names every list is filled with.
const QStringList Expected {QStringLiteral("Alma"), QStringLiteral("Cukor"), QStringLiteral("Csiga"),
    QStringLiteral("Élesztő"), QStringLiteral("Őrölt fahéj"), QStringLiteral("Zab")};

const QDate Day {2026, 3, 9};

// The names are written in reverse, so neither the order of their codes nor byte order (Csiga
// before Cukor, Élesztő and Őrölt fahéj after Zab) matches the Hungarian one.
QStringList written()
{
    QStringList names = Expected;
    std::reverse(names.begin(), names.end());
    return names;
}

QString number(int i)
{
    return QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0'));
}

// Six materials of ledger account 042 with stock, six recipes of all six materials on one day's
// lunch menu, six partners and six issue movement types, all named by the names.
void fillKitchen(const TempDatabase &database)
{
    const QSqlDatabase db = database.warehouse(1);
    RationFixture kitchen(db);
    QVERIFY(kitchen.clear());
    QVERIFY(kitchen.meal(QStringLiteral("01"), QStringLiteral("Ebéd"), 500));
    QList<RationFixture::Ingredient> everything;
    QSqlQuery query(db);
    const QStringList names = written();
    for (int i = 0; i < names.size(); ++i) {
        QVERIFY(kitchen.material(QStringLiteral("042"), number(i), names[i], QStringLiteral("KG"), 2, 100, 1000));
        everything << RationFixture::Ingredient {QStringLiteral("042"), number(i), 10};
        MovementRow receipt = StockFixture::voucherItem(QStringLiteral("BE"), QStringLiteral("01"),
            QStringLiteral("0000%1").arg(1000 + i), QDate(2026, 3, 2), QStringLiteral("042"), number(i),
            QStringLiteral("00000"), QStringLiteral("01"), QStringLiteral("100"), QStringLiteral("27"),
            QStringLiteral("127"));
        StockFixture::addRow(db, receipt);
        StockFixture::addPartner(db, QStringLiteral("9%1").arg(i + 1, 4, 10, QLatin1Char('0')), names[i]);
        query.prepare(QStringLiteral("INSERT INTO \"Mozgnem\" (\"MozgnemKod\", \"Megnevezes\", \"Irany\") VALUES (?, ?, 'KI')"));
        query.addBindValue(QStringLiteral("9%1").arg(i + 1));
        query.addBindValue(names[i]);
        QVERIFY(query.exec());
    }
    for (int i = 0; i < names.size(); ++i) {
        QVERIFY(kitchen.recipe(QStringLiteral("07%1").arg(i + 1, 2, 10, QLatin1Char('0')), names[i], everything));
        QVERIFY(kitchen.menu(Day, QStringLiteral("01"), QStringLiteral("1000"),
            QStringLiteral("07%1").arg(i + 1, 2, 10, QLatin1Char('0')), 1));
    }
    QVERIFY(kitchen.headcount(Day, QStringLiteral("01"), 10));
}

// The given names that belong to the test's set, in the order given (reference rows of the
// created database are left out).
QStringList ofTheSet(const QStringList &names)
{
    QStringList found;
    for (const QString &name : names)
        if (Expected.contains(name))
            found << name;
    return found;
}

} // namespace

// One set of names through every list that orders materials, dishes, partners or movement types
// by name, on both engines: each gives the Hungarian alphabetical order.
class TestNameOrder : public QObject
{
    Q_OBJECT

    EngineDatabases m_databases {QDate(2026, 1, 5), fillKitchen};
    QTemporaryDir m_iniDir;
    Settings m_settings;

    QSqlDatabase db() { return m_databases.current().warehouse(1); }

    RationSheet sheet()
    {
        FixedStock stock;
        for (int i = 0; i < Expected.size(); ++i)
            stock.set(QStringLiteral("042"), number(i), 1000, 100);
        const auto built = RationBuilder::compute(db(), Day, {QStringLiteral("01")}, stock);
        if (!built.ok())
            return RationSheet();
        RationSheet sheet = built.value.sheet;
        sheet.buildTotals();
        return sheet;
    }

    QStringList names(const QString &list)
    {
        QStringList found;
        if (list == QLatin1String("comparator")) {
            found = written();
            std::sort(found.begin(), found.end(), HungarianOrder::less);
        } else if (list == QLatin1String("voucher materials")) {
            for (const auto &material : VoucherLookups(db()).materials(QStringLiteral("042")).value)
                found << material.megnevezes;
        } else if (list == QLatin1String("voucher partners")) {
            for (const auto &partner : VoucherLookups(db()).partners().value)
                found << partner.nev;
        } else if (list == QLatin1String("issue movement types")) {
            for (const LookupEntry &type : RationVoucherHeader::issueTypes(db()).value)
                found << type.text;
        } else if (list == QLatin1String("menu rows of a meal")) {
            for (const RationMenuRow &row : RationInput::menuRows(db(), Day, Day, {QStringLiteral("01")}).value)
                found << row.dishName;
        } else if (list == QLatin1String("ration dishes")) {
            for (const RationViews::DishRow &row :
                RationViews::dishes(RationInput::menuRows(db(), Day, Day, {QStringLiteral("01")}).value))
                found << row.dishName;
        } else if (list == QLatin1String("ration details, dishes")) {
            for (const RationViews::DetailRow &row : RationViews::details(sheet()))
                if (!found.contains(row.dishName))
                    found << row.dishName;
        } else if (list == QLatin1String("ration details, materials of a dish")) {
            for (const RationViews::DetailRow &row : RationViews::details(sheet()))
                if (row.dishName == QLatin1String("Alma"))
                    found << row.materialName;
        } else if (list == QLatin1String("ration totals")) {
            const RationSheet built = sheet();
            for (const RationTotal &total : built.totals())
                found << total.name;
        } else if (list == QLatin1String("ration materials offered")) {
            for (const RationMaterial &material : sheet().stockedMaterials(QStringLiteral("042")))
                found << material.name;
        } else if (list == QLatin1String("stored ration sheet")) {
            RationDraft draft(db(), m_settings, QStringLiteral("anna"));
            if (draft.save(sheet()).isNull()) {
                FixedStock stock;
                const auto restored = draft.restore(stock);
                for (const RationTotal &total : restored.value.totals())
                    found << total.name;
            }
        } else if (list == QLatin1String("planning totals")) {
            for (const RationTotal &total : RationPlan::compute(db(), Day, Day, {QStringLiteral("01")}).value.totals)
                found << total.name;
        } else if (list == QLatin1String("menu list by name")) {
            if (MenuList::rebuild(db(), {Day, false, true})) {
                QSqlQuery query(db());
                if (query.exec(MenuList::selectSql(MenuList::Order::Name)))
                    while (query.next())
                        found << query.value(4).toString();
            }
        } else if (list == QLatin1String("inventory list by name")) {
            InventoryList inventory(db());
            if (inventory.run({Day, 2026, true, QString(), true}))
                for (const StockLine &line : inventory.rows())
                    found << line.megnevezes;
        } else if (list == QLatin1String("inventory difference by name")) {
            InventoryDifference sheet(db(), InventoryDifference::Owner::here(QStringLiteral("anna")));
            if (sheet.start(Day, 2026, false))
                for (const InventoryDifference::Row &row : sheet.rows(true, false).value)
                    found << row.megnevezes;
        }
        return ofTheSet(found);
    }

private slots:
    void initTestCase() { m_settings.setIniPath(m_iniDir.filePath(QStringLiteral("salvia.ini"))); }

    void listsFollowHungarianOrder_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("list");
        for (const QString &engine : TestEngines::names())
            for (const char *list : {"comparator", "voucher materials", "voucher partners", "issue movement types",
                     "menu rows of a meal", "ration dishes", "ration details, dishes",
                     "ration details, materials of a dish", "ration totals", "ration materials offered",
                     "stored ration sheet", "planning totals", "menu list by name", "inventory list by name",
                     "inventory difference by name"})
                TestEngines::newRow(engine, list) << QString::fromLatin1(list);
    }
    void listsFollowHungarianOrder()
    {
        QFETCH(QString, list);
        QCOMPARE(names(list), Expected);
    }
};

QTEST_GUILESS_MAIN(TestNameOrder)
#include "tst_nameorder.moc"
