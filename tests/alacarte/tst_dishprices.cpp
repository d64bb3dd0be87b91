#include "alacarte/DishGroups.h"
#include "alacarte/DishPrice.h"
#include "alacarte/DishPrices.h"
#include "alacarte/PriceList.h"
#include "support/RationFixture.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

// Dish groups and dish prices of the a-la-carte module: the two-way price rule in exact money,
// the register's checks, and the price list.
class TestAlacarteDishPrices : public QObject
{
    Q_OBJECT
private:
    const QDate m_today {2026, 3, 11};
    EngineDatabases m_databases {QDate(2026, 1, 5)};
    TempDatabase *m_db = nullptr;

    QSqlDatabase db() const { return m_db->warehouse(1); }
    QVariant value(const QString &sql) { return StockFixture::value(db(), sql); }

    static Money money(const char *text) { return *Money::fromText(QString::fromLatin1(text)); }

    bool exec(const QString &sql)
    {
        QSqlQuery query(db());
        if (query.exec(sql))
            return true;
        qWarning("%s", qPrintable(sql));
        return false;
    }

    static DishPriceEntry entry(
        const char *account, const char *dish, double margin, const char *gross, const char *group = "01")
    {
        return DishPriceEntry {DishKey {account, dish}, margin, money(gross), group};
    }

private slots:
    void init()
    {
        m_db = &m_databases.current();
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        RationFixture kitchen(db());
        QVERIFY(kitchen.clear());
        for (const char *table : {"CartBear", "CartCsop", "CartEtlap"})
            QVERIFY(exec(QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(table))));
        // A goulash costing 40 000 for 100 portions (400 a portion), and bread at 200 a kilogram.
        QVERIFY(kitchen.recipe("0007", "Gulyásleves", {}));
        QVERIFY(exec(QStringLiteral("UPDATE \"ReceptFej\" SET \"Netto\" = 40000, \"Afa\" = 10800")));
        QVERIFY(kitchen.material("100", "0001", "Kenyér", "KG", 1, 200));
        // A VAT group whose only rate comes into force next year.
        QVERIFY(exec(QStringLiteral("DELETE FROM \"Afa\" WHERE \"AfaCsoport\" = '09'")));
        QVERIFY(exec(QStringLiteral("INSERT INTO \"Afa\" (\"Afakod\", \"AfaCsoport\", \"Datum\", \"AfaErtek\") VALUES "
                                    "('09', '09', '2027-01-01', 5)")));
    }

    void priceRule_data()
    {
        QTest::addColumn<bool>("marginTyped");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<double>("vat");
        QTest::addColumn<double>("margin");
        QTest::addColumn<QString>("gross");
        QTest::addColumn<QString>("net");
        QTest::addColumn<QString>("profit");
        QTest::newRow("margin typed") << true << "400" << 27.0 << 25.0 << "635"
                                      << "500"
                                      << "100";
        QTest::newRow("gross typed") << false << "400" << 27.0 << 25.0 << "635"
                                     << "500"
                                     << "100";
        QTest::newRow("gross typed, margin to one decimal") << false << "300" << 27.0 << 33.3 << "508"
                                                            << "400"
                                                            << "100";
        QTest::newRow("gross typed, cost 0") << false << "0" << 27.0 << 0.0 << "127"
                                             << "100"
                                             << "100";
        // Net 1, VAT 0.125: the gross price 1.125 is rounded to two decimals, half to even.
        QTest::newRow("gross rounded half to even") << true << "1" << 12.5 << 0.0 << "1.12"
                                                    << "1"
                                                    << "0";
        QTest::newRow("fractional margin") << true << "123.45" << 5.0 << 12.5 << "145.83"
                                           << "138.8812"
                                           << "15.4312";
    }
    void priceRule()
    {
        QFETCH(bool, marginTyped);
        QFETCH(QString, cost);
        QFETCH(double, vat);
        QFETCH(double, margin);
        QFETCH(QString, gross);
        QFETCH(QString, net);
        QFETCH(QString, profit);
        const Money costMoney = *Money::fromText(cost);
        const DishPrice price = marginTyped ? DishPrice::fromMargin(costMoney, margin, vat)
                                            : DishPrice::fromGross(costMoney, *Money::fromText(gross), vat);
        QCOMPARE(price.gross, *Money::fromText(gross));
        QCOMPARE(price.net, *Money::fromText(net));
        QCOMPARE(price.profit, *Money::fromText(profit));
        if (!marginTyped)
            QCOMPARE(price.vat, price.gross - price.net);
        QCOMPARE(price.margin, margin);
    }

    void priceRegister_data() { TestEngines::addRows(); }
    void priceRegister()
    {
        QVERIFY(DishPrices::add(db(), entry("1000", "0007", 25, "635"), m_today).isNull());
        // The same recipe twice is refused; a material sharing the code is another dish.
        const Refusal twice = DishPrices::add(db(), entry("1000", "0007", 10, "500"), m_today);
        QCOMPARE(twice.text, QStringLiteral("A tétel nem rögzíthető!\rMár létezik ilyen étel az árazásban!"));
        QCOMPARE(twice.caption, QStringLiteral("Figyelmeztetés"));
        QVERIFY(DishPrices::add(db(), entry("100", "0001", 50, "381"), m_today).isNull());

        // Changing a row under its own key is no duplicate of itself.
        QVERIFY(
            DishPrices::change(db(), DishKey {"1000", "0007"}, entry("1000", "0007", 30, "660.4"), m_today).isNull());
        QCOMPARE(DishPrices::read(db(), DishKey {"1000", "0007"}).gross, money("660.4"));
        // Changing onto another row's key leaves both rows as they were.
        const Refusal taken = DishPrices::change(db(), DishKey {"100", "0001"}, entry("1000", "0007", 1, "1"), m_today);
        QCOMPARE(taken.text, QStringLiteral("A tétel nem módosítható!\rMár létezik ilyen étel az árazásban!"));
        QCOMPARE(DishPrices::read(db(), DishKey {"100", "0001"}).gross, money("381"));
        QCOMPARE(DishPrices::read(db(), DishKey {"1000", "0007"}).gross, money("660.4"));
        // A change of the dish finds its row by the original key and moves it.
        QVERIFY(exec(
            QStringLiteral("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\") VALUES ('0008', 'Bableves')")));
        QVERIFY(
            DishPrices::change(db(), DishKey {"1000", "0007"}, entry("1000", "0008", 30, "660.4"), m_today).isNull());
        QVERIFY(DishPrices::read(db(), DishKey {"1000", "0007"}).key.dish.isEmpty());
        QCOMPARE(value(QStringLiteral("SELECT COUNT(*) FROM \"CartBear\"")).toInt(), 2);

        // A VAT group with no rate in force today is refused by name, and nothing is written.
        const Refusal noRate = DishPrices::add(db(), entry("1000", "0007", 25, "525", "09"), m_today);
        QVERIFY2(noRate.text.contains(QStringLiteral("\"09\"")), qPrintable(noRate.text));
        QCOMPARE(noRate.focus, QStringLiteral("dbcAfa"));
        QVERIFY(
            !DishPrices::change(db(), DishKey {"100", "0001"}, entry("100", "0001", 1, "1", "09"), m_today).isNull());
        QCOMPARE(value(QStringLiteral("SELECT COUNT(*) FROM \"CartBear\"")).toInt(), 2);
        QCOMPARE(DishPrices::read(db(), DishKey {"100", "0001"}).vatGroup, QStringLiteral("01"));

        // A dish on the a-la-carte menu cannot be deleted; an unused one can.
        QVERIFY(exec(QStringLiteral("INSERT INTO \"CartEtlap\" (\"Datum\", \"Csoport\", \"FokSzam\", \"Etelkod\", "
                                    "\"Mennyiseg\", \"Letszam\", \"NettoAnyag\") VALUES ('2026-03-12', '01', '100', "
                                    "'0001', 1, 5, -1)")));
        QCOMPARE(DishPrices::remove(db(), DishKey {"100", "0001"}).text,
            QStringLiteral("A tétel nem törölhető!\rMás tábla már használja az adatot."));
        QVERIFY(DishPrices::remove(db(), DishKey {"1000", "0008"}).isNull());
        QCOMPARE(value(QStringLiteral("SELECT COUNT(*) FROM \"CartBear\"")).toInt(), 1);
    }

    void priceList_data() { TestEngines::addRows(); }
    void priceList()
    {
        QVERIFY(DishPrices::add(db(), entry("1000", "0007", 25, "635"), m_today).isNull());
        QVERIFY(DishPrices::add(db(), entry("100", "0001", 50, "381"), m_today).isNull());
        // A price whose sale group lost its rate is listed without the figures that need it.
        QVERIFY(exec(QStringLiteral("INSERT INTO \"CartBear\" (\"Fokszam\", \"Etelkod\", \"Haszonkulcs\", \"Fixar\", "
                                    "\"AfaCsoport\", \"Datum\") VALUES ('100', '0002', 0, 100, '09', '2026-03-01')")));
        QVERIFY(RationFixture(db()).material("100", "0002", "Alma", "KG", 1, 80));
        const auto list = PriceList::read(db(), m_today);
        QVERIFY2(list.ok(), qPrintable(list.refusal.text));
        QCOMPARE(list.value.size(), 3);
        const PriceListRow &apple = list.value.at(0);
        QCOMPARE(apple.name, QStringLiteral("Alma"));
        QVERIFY(!apple.vatPercent.has_value());
        const PriceListRow &soup = list.value.at(1);
        QCOMPARE(soup.name, QStringLiteral("Gulyásleves"));
        QCOMPARE(soup.unit, QStringLiteral("1 adag"));
        QCOMPARE(soup.cost, money("400"));
        QCOMPARE(soup.costVat, money("108"));
        QCOMPARE(soup.costGross, money("508"));
        QCOMPARE(soup.net, money("500"));
        QCOMPARE(soup.vat, money("135"));
        // Net selling price minus net cost, for recipes as for materials.
        QCOMPARE(soup.profit, money("100"));
        const PriceListRow &bread = list.value.at(2);
        QCOMPARE(bread.unit, QStringLiteral("1 KG"));
        QCOMPARE(bread.costVat, money("54"));
        QCOMPARE(bread.costGross, money("254"));
        QCOMPARE(bread.net, money("300"));
        QCOMPARE(bread.profit, money("100"));
        QCOMPARE(*bread.vatPercent, 27.0);
    }

    void dishGroups_data() { TestEngines::addRows(); }
    void dishGroups()
    {
        const auto seven = DishGroups::add(db(), QStringLiteral("7"), QStringLiteral("Levesek"));
        QVERIFY2(seven.ok(), qPrintable(seven.refusal.text));
        QCOMPARE(seven.value, QStringLiteral("07"));
        for (const char *bad : {"100", "-1", "x", ""})
            QCOMPARE(DishGroups::add(db(), QString::fromLatin1(bad), QStringLiteral("Főételek")).refusal.text,
                QStringLiteral("Hibás számot adott meg!\rA szám 0 és 99 közötti lehet"));
        QCOMPARE(DishGroups::add(db(), QStringLiteral("07"), QStringLiteral("Főételek")).refusal.text,
            QStringLiteral("Az azonosító már létezik!\rMég nem létező számot adhat meg csak"));
        QCOMPARE(DishGroups::add(db(), QStringLiteral("8"), QStringLiteral("F")).refusal.text,
            QStringLiteral("A megnevezés megadása kötelező!"));
        QVERIFY(DishGroups::rename(db(), QStringLiteral("07"), QStringLiteral("Hideg levesek")).isNull());
        QCOMPARE(DishGroups::read(db()).value.at(0).name, QStringLiteral("Hideg levesek"));
        QVERIFY(exec(QStringLiteral("INSERT INTO \"CartEtlap\" (\"Datum\", \"Csoport\", \"FokSzam\", \"Etelkod\", "
                                    "\"Mennyiseg\", \"Letszam\", \"NettoAnyag\") VALUES ('2026-03-12', '07', '1000', "
                                    "'0007', 1, 5, -1)")));
        QCOMPARE(DishGroups::remove(db(), QStringLiteral("07")), DishGroups::usedElsewhere());
        QVERIFY(exec(QStringLiteral("DELETE FROM \"CartEtlap\"")));
        QVERIFY(DishGroups::remove(db(), QStringLiteral("07")).isNull());
        QVERIFY(DishGroups::read(db()).value.isEmpty());
        QVERIFY(DishGroups::checkCodeSearch(QStringLiteral("1a")));
        QVERIFY(DishGroups::checkCodeSearch(QStringLiteral("12")).isNull());
    }
};

QTEST_GUILESS_MAIN(TestAlacarteDishPrices)
#include "tst_dishprices.moc"
