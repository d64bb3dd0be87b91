#include "alacarte/CartMenuList.h"
#include "alacarte/CartMenuRows.h"
#include "alacarte/DishLookups.h"
#include "menu/MenuGuards.h"
#include "support/RationFixture.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

// The a-la-carte daily menu: its rows behind the closed-month and issued-row protections, checked
// again inside every write, and the copy of a day.
class TestAlacarteCartMenu : public QObject
{
    Q_OBJECT
private:
    const QDate m_closed {2026, 2, 28};
    const QDate m_day {2026, 3, 10};
    EngineDatabases m_databases {QDate(2026, 1, 5)};
    TempDatabase *m_db = nullptr;

    QSqlDatabase db() const { return m_db->warehouse(1); }
    int count(const QString &sql) { return StockFixture::value(db(), sql).toInt(); }

    bool exec(const QString &sql)
    {
        QSqlQuery query(db());
        if (query.exec(sql))
            return true;
        qWarning("%s", qPrintable(sql));
        return false;
    }

    CartMenuRow soup(const QDate &date, int headcount = 10) const
    {
        return CartMenuRow {date, QStringLiteral("01"), QStringLiteral("1000"), QStringLiteral("0007"), 1, headcount};
    }

    qint64 added(const CartMenuRow &row)
    {
        const auto id = CartMenuRows::add(db(), row, m_closed);
        if (!id.ok())
            qWarning("%s", qPrintable(id.refusal.text));
        return id.value;
    }

private slots:
    void init()
    {
        m_db = &m_databases.current();
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        RationFixture kitchen(db());
        QVERIFY(kitchen.clear());
        for (const char *table : {"CartBear", "CartCsop", "CartEtlap", "Napizaras"})
            QVERIFY(exec(QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(table))));
        QVERIFY(exec(QStringLiteral("INSERT INTO \"Napizaras\" (\"Datum\") VALUES ('2026-02-28')")));
        QVERIFY(exec(QStringLiteral("INSERT INTO \"CartCsop\" (\"Csoport\", \"Megnev\") VALUES ('01', 'Levesek')")));
        QVERIFY(kitchen.recipe("0007", "Gulyásleves", {}));
        QVERIFY(kitchen.recipe("0008", "Bableves", {}));
        QVERIFY(kitchen.material("100", "0001", "Kenyér", "KG", 1, 200));
        QVERIFY(exec(QStringLiteral("INSERT INTO \"CartBear\" (\"Fokszam\", \"Etelkod\", \"Fixar\", \"AfaCsoport\") "
                                    "VALUES ('1000', '0007', 600, '01'), ('100', '0001', 300, '01')")));
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("dish");
        QTest::addColumn<int>("headcount");
        QTest::addColumn<QString>("refusal");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "accepted") << QDate(2026, 3, 10) << "01"
                                                    << "0007" << 10 << "";
            TestEngines::newRow(engine, "closed month")
                << QDate(2026, 2, 28) << "01"
                << "0007" << 10 << "Már lezárta ezt a hónapot!\rErre a hónapra étlapot nem módosíthat!";
            TestEngines::newRow(engine, "no group")
                << QDate(2026, 3, 10) << "02"
                << "0007" << 10 << "Hibás értékadás!\rNem adott meg étel csoportot!";
            TestEngines::newRow(engine, "dish not priced")
                << QDate(2026, 3, 10) << "01"
                << "0008" << 10 << "Az étel nincs beárazva!\rElőször árazza be, vagy válasszon másik ételt!";
            TestEngines::newRow(engine, "headcount 0")
                << QDate(2026, 3, 10) << "01"
                << "0007" << 0 << "Túl kevés a megadott mennyiség, vagy létszám!";
        }
    }
    void saveChecks()
    {
        QFETCH(QDate, date);
        QFETCH(QString, group);
        QFETCH(QString, dish);
        QFETCH(int, headcount);
        QFETCH(QString, refusal);
        const CartMenuRow row {date, group, QStringLiteral("1000"), dish, 1, headcount};
        QCOMPARE(CartMenuRows::add(db(), row, m_closed).refusal.text, refusal);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"CartEtlap\"")), refusal.isEmpty() ? 1 : 0);
        // The warehouse's own closing counts even when the screen holds an older one.
        QCOMPARE(
            CartMenuRows::add(db(), soup(QDate(2026, 2, 20)), QDate()).refusal.text, MenuGuards::closedMonth().text);
    }

    void changeRecheckedInsideTheWrite_data() { TestEngines::addRows(); }
    void changeRecheckedInsideTheWrite()
    {
        const qint64 id = added(soup(m_day));
        QVERIFY(id > 0);
        QVERIFY(CartMenuRows::checkChange(db(), id, m_day, m_closed).isNull());
        // Issued on another computer between the listing and the save: refused, the row unchanged.
        QVERIFY(exec(QStringLiteral("UPDATE \"CartEtlap\" SET \"NettoAnyag\" = 0")));
        QCOMPARE(CartMenuRows::change(db(), id, soup(m_day, 99), m_closed).text,
            QStringLiteral("Erre az étkezésre új tétel nem vihető fel!\rMár ki lett adva a raktárból kiszabattal."));
        QCOMPARE(CartMenuRows::read(db(), id).headcount, 10);
        QCOMPARE(CartMenuRows::checkChange(db(), id, m_day, m_closed).text,
            QStringLiteral("A tétel nem módosítható!\rMár ki lett adva a raktárból kiszabattal."));
        QCOMPARE(CartMenuRows::checkRemove(db(), id, m_day, m_closed).text,
            QStringLiteral("A tétel nem törölhető!\rMár ki lett adva a raktárból kiszabattal."));
        QVERIFY(!CartMenuRows::remove(db(), id, m_day, m_closed).isNull());

        // The closed month is judged by the stored row's date, not the screen's or the new one.
        QVERIFY(exec(QStringLiteral("INSERT INTO \"CartEtlap\" (\"Datum\", \"Csoport\", \"FokSzam\", \"Etelkod\", "
                                    "\"Mennyiseg\", \"Letszam\", \"NettoAnyag\") VALUES ('2026-02-20', '01', '1000', "
                                    "'0007', 1, 5, -1)")));
        const qint64 old
            = StockFixture::value(db(), QStringLiteral("SELECT MAX(\"EtlapAzon\") FROM \"CartEtlap\"")).toLongLong();
        QCOMPARE(CartMenuRows::change(db(), old, soup(m_day), m_closed), MenuGuards::closedMonth());
        QCOMPARE(CartMenuRows::read(db(), old).date, QDate(2026, 2, 20));

        // A dish whose price was deleted stays on its row while the row is changed otherwise;
        // another unpriced dish is refused.
        const qint64 bread = added(CartMenuRow {m_day, "01", "100", "0001", 0.5, 4});
        QVERIFY(exec(QStringLiteral("DELETE FROM \"CartBear\" WHERE \"Fokszam\" = '100'")));
        QVERIFY(CartMenuRows::change(db(), bread, CartMenuRow {m_day, "01", "100", "0001", 0.5, 8}, m_closed).isNull());
        QCOMPARE(CartMenuRows::read(db(), bread).headcount, 8);
        QVERIFY(!CartMenuRows::change(db(), bread, CartMenuRow {m_day, "01", "1000", "0008", 1, 8}, m_closed).isNull());
        QCOMPARE(CartMenuRows::read(db(), bread).dish, QStringLiteral("0001"));
    }

    // The edit screen offers priced dishes only.
    void pricedDishLists_data() { TestEngines::addRows(); }
    void pricedDishLists()
    {
        const auto recipes = DishLookups::pricedRecipes(db());
        QVERIFY2(recipes.ok(), qPrintable(recipes.refusal.text));
        QCOMPARE(recipes.value.size(), 1);
        QCOMPARE(recipes.value.at(0).code, QStringLiteral("0007"));
        const auto materials = DishLookups::pricedMaterialsOf(db(), QStringLiteral("100"));
        QVERIFY2(materials.ok(), qPrintable(materials.refusal.text));
        QCOMPARE(materials.value.size(), 1);
        QCOMPARE(materials.value.at(0).text, QStringLiteral("Kenyér"));
        QVERIFY(DishLookups::pricedMaterialsOf(db(), QStringLiteral("200")).value.isEmpty());
    }

    void copyDay_data() { TestEngines::addRows(); }
    void copyDay()
    {
        QVERIFY(added(soup(m_day)) > 0);
        QVERIFY(added(CartMenuRow {m_day, "01", "100", "0001", 0.5, 4}) > 0);
        QVERIFY(exec(QStringLiteral("UPDATE \"CartEtlap\" SET \"NettoAnyag\" = 0")));
        QCOMPARE(CartMenuRows::copyDay(db(), m_day, m_day, m_closed).text,
            QStringLiteral("Hibás értékadás!\rNem másolható önmagára!"));
        QVERIFY(!CartMenuRows::copyDay(db(), m_day, QDate(1900, 1, 1), m_closed).isNull());
        // A closed target refuses the whole copy, by the warehouse's own closing date too.
        QCOMPARE(CartMenuRows::copyDay(db(), m_day, QDate(2026, 2, 27), QDate()), MenuGuards::closedMonth());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM \"CartEtlap\"")), 2);
        // A copy of an issued day makes open rows.
        QVERIFY(CartMenuRows::copyDay(db(), m_day, QDate(2026, 3, 11), m_closed).isNull());
        const auto list = CartMenuList::read(db(), QDate(2026, 3, 11), QDate(2026, 3, 11));
        QVERIFY(list.ok());
        QCOMPARE(list.value.size(), 2);
        QCOMPARE(list.value.at(0).dishName, QStringLiteral("Gulyásleves"));
        QCOMPARE(list.value.at(0).unit, QStringLiteral("adag"));
        QCOMPARE(list.value.at(0).groupName, QStringLiteral("Levesek"));
        QCOMPARE(list.value.at(1).unit, QStringLiteral("KG"));
        QCOMPARE(list.value.at(1).total(), 2.0);
        QVERIFY(list.value.at(0).open && list.value.at(1).open);
        QCOMPARE(CartMenuList::read(db(), QDate(), QDate()).value.size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestAlacarteCartMenu)
#include "tst_cartmenu.moc"
