#include "reports/CartMenuSource.h"
#include "reports/MenuAllergenPictures.h"
#include "reports/MenuDishRows.h"
#include "reports/MenuListDays.h"
#include "reports/MenuVariety.h"
#include "reports/WeeklyMenu.h"
#include "store/Sql.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// The per-dish rows of the weekly menu and the menu list, their cells and day groups, the
// allergen picture places and the variety index.
class TestMenuDishes : public QObject
{
    Q_OBJECT

    static bool exec(QSqlDatabase db, const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery query(db);
        query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!query.exec()) {
            qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
            return false;
        }
        return true;
    }

    static bool menu(QSqlDatabase db, const QDate &day, const QString &meal, const QString &account,
        const QString &code, double quantity)
    {
        return exec(db,
            "INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") VALUES (?, ?, ?, ?, ?)",
            {Sql::date(day), meal, account, code, quantity});
    }

    static bool recipe(QSqlDatabase db, const QString &code, const QString &name, const QString &kind,
        double energy = 0)
    {
        return exec(db,
            "INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"ValtAzon\", \"Energia\") VALUES (?, ?, ?, ?)",
            {code, name, kind, energy});
    }

private slots:
    void places_data()
    {
        QTest::addColumn<int>("marks");
        QTest::addColumn<QStringList>("expected");
        const QString b = MenuAllergenPictures::Blank;
        const QString w = MenuAllergenPictures::Warning;
        QTest::newRow("none") << 0 << QStringList {b, b, b, b, b, b, b, b};
        QTest::newRow("three") << 3 << QStringList {"A01.bmp", "A02.bmp", "A03.bmp", b, b, b, b, b};
        QTest::newRow("eight fit")
            << 8 << QStringList {"A01.bmp", "A02.bmp", "A03.bmp", "A04.bmp", "A05.bmp", "A06.bmp", "A07.bmp", "A08.bmp"};
        QTest::newRow("nine")
            << 9 << QStringList {"A01.bmp", "A02.bmp", "A03.bmp", "A04.bmp", "A05.bmp", "A06.bmp", "A07.bmp", w};
        QTest::newRow("ten")
            << 10 << QStringList {"A01.bmp", "A02.bmp", "A03.bmp", "A04.bmp", "A05.bmp", "A06.bmp", "A07.bmp", w};
    }

    void places()
    {
        QFETCH(int, marks);
        QFETCH(QStringList, expected);
        QStringList list;
        for (int i = 1; i <= marks; ++i)
            list << QStringLiteral("A%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
        QCOMPARE(MenuAllergenPictures::places(list), expected);
    }

    void varietyIndex()
    {
        MenuVariety v;
        v.kinds = {4, 6, 3, 5};
        v.occurrences = {10, 10, 5, 5};
        QCOMPARE(v.index(), 60.0);
        QVERIFY(v.meetsIndex());
        QCOMPARE(v.categoryIndex(0), 40.0);
        v.occurrences = {10, 10, 5, 6};
        QVERIFY(!v.meetsIndex());
        QCOMPARE(MenuVariety().index(), 0.0);
    }

    void weeks()
    {
        const QList<WeeklyMenu::Week> five = WeeklyMenu::weeks(2026, false);
        QCOMPARE(five.size(), 53);
        QCOMPARE(five.first().first, QDate(2025, 12, 29));
        QCOMPARE(five.first().last, QDate(2026, 1, 2));
        QCOMPARE(five.first().text, QStringLiteral("1. hét 2025.12.29. - 2026.01.02."));
        QCOMPARE(five.at(52).first, five.at(51).first.addDays(7));
        QCOMPARE(WeeklyMenu::weeks(2026, true).at(52).last, five.at(51).first.addDays(13));
        QCOMPARE(WeeklyMenu::preselectedWeek(2026, QDate(2026, 3, 18)), 11);
        QCOMPARE(WeeklyMenu::preselectedWeek(2025, QDate(2026, 3, 18)), 0);
    }

    // A recipe and a material served on the menu: values of one portion, allergens of the recipe's
    // materials merged; the weekly cell lists both and merges their marks; the day group sums.
    void dishRows_data() { TestEngines::addRows(); }

    void dishRows()
    {
        QFETCH(QString, engine);
        TempDatabase database(QDate(2025, 6, 1), engine);
        QVERIFY2(database.isValid(), qPrintable(database.errorText()));
        QSqlDatabase db = database.warehouse(1);
        for (const char *table : {"Etkezesek", "Anyag", "ReceptFej", "Recept", "Etlap", "Allergen", "AllergenAny",
                 "AllergenAnyT"})
            QVERIFY(exec(db, QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(table))));
        QVERIFY(exec(db,
            "INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Tip\", \"Enorma\") VALUES "
            "('02', 'Ebéd', '2', ''), ('01', 'Reggeli', '1', ''), ('07', 'Vacsora', '3', '')"));
        QVERIFY(exec(db,
            "INSERT INTO \"Allergen\" (\"AzonAl\", \"Allergen\", \"Jeloles\") VALUES "
            "('01', 'Glutén', 'A01.bmp'), ('07', 'Tej', 'A07.bmp'), ('03', 'Tojás', 'A03.bmp')"));
        QVERIFY(exec(db,
            "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", \"So\", "
            "\"Cukor\", \"Energia\", \"Hso\", \"Hcukor\") VALUES "
            "('042', '0001', 'Liszt', 'kg', 0, 0, 1000, ?, ?), ('042', '0002', 'Tej', 'l', 2, 4, 300, ?, ?)",
            {Sql::flag(false), Sql::flag(false), Sql::flag(true), Sql::flag(false)}));
        QVERIFY(exec(db, "INSERT INTO \"Mertegys\" (\"MertKod\", \"Megnevezes\") SELECT 'kg', 'kilogramm' "
                         "WHERE NOT EXISTS (SELECT 1 FROM \"Mertegys\" WHERE \"MertKod\" = 'kg')"));
        QVERIFY(exec(db, "INSERT INTO \"Mertegys\" (\"MertKod\", \"Megnevezes\") SELECT 'l', 'liter' "
                         "WHERE NOT EXISTS (SELECT 1 FROM \"Mertegys\" WHERE \"MertKod\" = 'l')"));
        QVERIFY(exec(db,
            "INSERT INTO \"AllergenAny\" (\"AzonAl\", \"Fokszam\", \"NyilvSzam\") VALUES "
            "('07', '042', '0001'), ('01', '042', '0001'), ('07', '042', '0002')"));
        QVERIFY(exec(db, "INSERT INTO \"AllergenAnyT\" (\"AzonAl\", \"Fokszam\", \"NyilvSzam\") VALUES "
                         "('03', '042', '0002')"));
        QVERIFY(recipe(db, "0010", "Palacsinta", "4", 1800));
        QVERIFY(exec(db, "INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") VALUES "
                         "('0010', '042', '0001', 10), ('0010', '042', '0002', 20)"));
        const QDate monday(2025, 5, 5);
        QVERIFY(menu(db, monday, "02", "1000", "0010", 1.5));
        QVERIFY(menu(db, monday, "02", "042", "0002", 0.25));
        QVERIFY(menu(db, monday, "01", "042", "0001", 0.1));
        QVERIFY(menu(db, monday.addDays(1), "07", "1000", "0010", 1));
        QVERIFY(menu(db, monday.addDays(1), "02", "1000", "9999", 1)); // no such recipe

        DailyMenuSource source;
        const auto built = MenuDishRows::build(db, source, monday, monday.addDays(6), {"01", "02"});
        QVERIFY2(built.ok(), qPrintable(built.refusal.text));
        const QList<MenuDish> &dishes = built.value;
        QCOMPARE(dishes.size(), 3);
        const MenuDish &pancake = dishes.at(0);
        QCOMPARE(pancake.name, QStringLiteral("Palacsinta"));
        QCOMPARE(pancake.unit, QStringLiteral("Adag"));
        QCOMPARE(pancake.values.energia, 27.0);
        QCOMPARE(pancake.values.kaloria, 6.45);
        QCOMPARE(pancake.allergens, QStringList({"A01.bmp", "A07.bmp"}));
        QCOMPARE(pancake.mayContain, QStringList({"A03.bmp"}));
        const MenuDish &milk = dishes.at(1);
        QCOMPARE(milk.values.so, 0.5);
        QCOMPARE(milk.values.hSo, 0.5);
        QCOMPARE(milk.values.hCukor, 0.0);
        QCOMPARE(milk.groupName, QStringLiteral("Ebéd"));

        const QList<WeeklyMenu::RowCaption> captions = WeeklyMenu::rowCaptions(dishes);
        QCOMPARE(captions.size(), 2);
        QCOMPARE(captions.first().text(), QStringLiteral("01 Reggeli"));
        const WeeklyMenu::Cell lunch = WeeklyMenu::cell(dishes, monday, captions.at(1).text());
        QCOMPARE(lunch.lines, QStringList({"Palacsinta", "Tej"}));
        QCOMPARE(lunch.allergens, QStringList({"A01.bmp", "A07.bmp"}));
        QCOMPARE(lunch.sums.energia, 27.0 + 75.0);
        QVERIFY(WeeklyMenu::cell(dishes, monday.addDays(1), captions.at(1).text()).lines.isEmpty());

        QList<MenuDish> listed = dishes;
        MenuDishRows::sortByDate(listed);
        const QList<MenuListDay> days = MenuListDays::group(listed);
        QCOMPARE(days.size(), 1);
        QCOMPARE(days.first().groupName, QStringLiteral("Ebéd"));
        QCOMPARE(days.first().dishes.size(), 3);
        QCOMPARE(days.first().sums.so, 0.5);
    }

    // The a-la-carte menu read by dish groups: only the chosen groups of the week, a row whose
    // group is gone left out, the values and marks looked up as for the daily menu, the weekly rows
    // in group code order.
    void cartDishRows_data() { TestEngines::addRows(); }

    void cartDishRows()
    {
        QFETCH(QString, engine);
        TempDatabase database(QDate(2025, 6, 1), engine);
        QVERIFY2(database.isValid(), qPrintable(database.errorText()));
        QSqlDatabase db = database.warehouse(1);
        for (const char *table : {"CartCsop", "CartEtlap", "ReceptFej", "Recept", "Allergen", "AllergenAny",
                 "AllergenAnyT"})
            QVERIFY(exec(db, QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(table))));
        QVERIFY(exec(db, "INSERT INTO \"CartCsop\" (\"Csoport\", \"Megnev\") VALUES "
                         "('20', 'Főételek'), ('10', 'Levesek'), ('30', 'Desszertek')"));
        QVERIFY(exec(db, "INSERT INTO \"Allergen\" (\"AzonAl\", \"Allergen\", \"Jeloles\") VALUES "
                         "('01', 'Glutén', 'A01.bmp'), ('07', 'Tej', 'A07.bmp')"));
        QVERIFY(exec(db,
            "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", \"So\", "
            "\"Cukor\", \"Energia\", \"Hso\", \"Hcukor\") VALUES ('042', '0771', 'Kefir', 'kg', 1, 4, 400, ?, ?)",
            {Sql::flag(false), Sql::flag(true)}));
        QVERIFY(exec(db, "INSERT INTO \"Mertegys\" (\"MertKod\", \"Megnevezes\") SELECT 'kg', 'kilogramm' "
                         "WHERE NOT EXISTS (SELECT 1 FROM \"Mertegys\" WHERE \"MertKod\" = 'kg')"));
        QVERIFY(exec(db, "INSERT INTO \"AllergenAny\" (\"AzonAl\", \"Fokszam\", \"NyilvSzam\") VALUES "
                         "('07', '042', '0771')"));
        QVERIFY(exec(db, "INSERT INTO \"AllergenAnyT\" (\"AzonAl\", \"Fokszam\", \"NyilvSzam\") VALUES "
                         "('01', '042', '0771')"));
        QVERIFY(recipe(db, "0010", "Rántott sajt", "2", 1800));
        QVERIFY(recipe(db, "0011", "Húsleves", "1", 400));
        QVERIFY(exec(db, "INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") VALUES "
                         "('0010', '042', '0771', 10)"));
        const QDate monday(2025, 5, 5);
        const auto cart = [&](const QDate &day, const QString &group, const QString &account, const QString &code,
                              double quantity) {
            return exec(db,
                "INSERT INTO \"CartEtlap\" (\"Datum\", \"Csoport\", \"FokSzam\", \"Etelkod\", \"Mennyiseg\", "
                "\"Letszam\") VALUES (?, ?, ?, ?, ?, 10)",
                {Sql::date(day), group, account, code, quantity});
        };
        QVERIFY(cart(monday, "20", "1000", "0010", 1.5));
        QVERIFY(cart(monday, "20", "042", "0771", 0.5));
        QVERIFY(cart(monday, "10", "1000", "0011", 1));
        QVERIFY(cart(monday, "30", "1000", "0011", 1)); // a group not chosen
        QVERIFY(cart(monday, "40", "1000", "0011", 1)); // a group that is gone
        QVERIFY(cart(monday.addDays(7), "20", "1000", "0010", 1)); // the next week
        QVERIFY(cart(monday.addDays(4), "10", "1000", "0011", 2));

        CartMenuSource source;
        const auto built = MenuDishRows::build(db, source, monday, monday.addDays(4), {"10", "20", "40"});
        QVERIFY2(built.ok(), qPrintable(built.refusal.text));
        const QList<MenuDish> &dishes = built.value;
        QCOMPARE(dishes.size(), 4);
        QCOMPARE(dishes.at(0).name, QStringLiteral("Rántott sajt"));
        QCOMPARE(dishes.at(0).groupName, QStringLiteral("Főételek"));
        QCOMPARE(dishes.at(0).values.energia, 27.0);
        QCOMPARE(dishes.at(0).values.kaloria, 6.45);
        QCOMPARE(dishes.at(0).allergens, QStringList({"A07.bmp"}));
        QCOMPARE(dishes.at(0).mayContain, QStringList({"A01.bmp"}));
        QCOMPARE(dishes.at(1).values.hCukor, 2.0);
        QCOMPARE(dishes.at(1).values.hSo, 0.0);
        QVERIFY(dishes.at(0).tip.isEmpty() && dishes.at(0).enorma.isEmpty());

        const QList<WeeklyMenu::RowCaption> captions = WeeklyMenu::rowCaptions(dishes);
        QCOMPARE(captions.size(), 2);
        QCOMPARE(captions.at(0).text(), QStringLiteral("10 Levesek"));
        QCOMPARE(captions.at(1).text(), QStringLiteral("20 Főételek"));
        const WeeklyMenu::Cell mains = WeeklyMenu::cell(dishes, monday, captions.at(1).text());
        QCOMPARE(mains.lines, QStringList({"Rántott sajt", "Kefir"}));
        QCOMPARE(mains.sums.energia, 27.0 + 200.0);
        QCOMPARE(WeeklyMenu::cell(dishes, monday.addDays(4), captions.at(0).text()).sums.energia, 8.0);
    }

    void markText_data()
    {
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("plain") << QStringList {"A01.bmp", "A07.bmp"} << QStringLiteral("A01.bmp, A07.bmp");
        QTest::newRow("blank") << QStringList {"A01.bmp", "tej fehérje.bmp"}
                               << QStringLiteral("A01.bmp, \"tej fehérje.bmp\"");
        QTest::newRow("comma") << QStringList {"a,b"} << QStringLiteral("\"a,b\"");
        QTest::newRow("quote") << QStringList {"a\"b"} << QStringLiteral("\"a\"\"b\"");
    }

    void markText()
    {
        QFETCH(QStringList, marks);
        QFETCH(QString, expected);
        QCOMPARE(WeeklyMenu::markText(marks), expected);
    }

    // The counts of the variety index over the menu: kinds per category, served recipe dishes of
    // the meal, days, and repeats counted by recipe code.
    void varietyCounts_data() { TestEngines::addRows(); }

    void varietyCounts()
    {
        QFETCH(QString, engine);
        TempDatabase database(QDate(2025, 6, 1), engine);
        QVERIFY2(database.isValid(), qPrintable(database.errorText()));
        QSqlDatabase db = database.warehouse(1);
        for (const char *table : {"Etelfeleseg", "ReceptFej", "Etlap"})
            QVERIFY(exec(db, QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(table))));
        for (const char *kind : {"101", "102", "201", "301", "302", "401", "501"})
            QVERIFY(exec(db, "INSERT INTO \"Etelfeleseg\" (\"ValtAzon\", \"Etelfeleseg\") VALUES (?, 'x')",
                {QString::fromLatin1(kind)}));
        QVERIFY(recipe(db, "0001", "Gulyásleves", "101"));
        QVERIFY(recipe(db, "0002", "Rakott krumpli", "201"));
        QVERIFY(recipe(db, "0003", "Rakott krumpli", "201")); // same name, another recipe
        const QDate first(2025, 5, 5);
        for (int day = 0; day < 3; ++day)
            QVERIFY(menu(db, first.addDays(day), "02", "1000", "0001", 1));
        QVERIFY(menu(db, first, "02", "1000", "0002", 1));
        QVERIFY(menu(db, first.addDays(1), "02", "1000", "0003", 1));
        QVERIFY(menu(db, first.addDays(5), "02", "042", "0001", 1)); // a material dish
        QVERIFY(menu(db, first.addDays(6), "01", "1000", "0001", 1)); // another meal

        const auto counted = MenuVariety::count(db, first, first.addDays(30), "02");
        QVERIFY2(counted.ok(), qPrintable(counted.refusal.text));
        const MenuVariety &v = counted.value;
        QCOMPARE(v.kinds, (std::array<int, 4> {2, 1, 2, 1}));
        QCOMPARE(v.occurrences, (std::array<int, 4> {3, 2, 0, 0}));
        QCOMPARE(v.days, 3);
        QVERIFY(!v.enoughDays());
        QCOMPARE(v.index(), 6.0 / 5 * 100);
        QCOMPARE(v.repeats.size(), 1);
        QCOMPARE(v.repeats.first().count, 3);
        QCOMPARE(v.repeats.first().name, QStringLiteral("Gulyásleves"));

        const auto none = MenuVariety::count(db, first, first.addDays(30), QString());
        QCOMPARE(none.value.totalOccurrences(), 0);
        QCOMPARE(none.value.days, 0);
    }
};

QTEST_GUILESS_MAIN(TestMenuDishes)
#include "tst_menudishes.moc"
