#include "menu/MenuCopy.h"
#include "menu/MenuList.h"
#include "menu/MenuRows.h"
#include "store/Database.h"
#include "support/EngineTools.h"
#include "support/SqlRows.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

// Menu rows, their protections (closed months, issued meals), copying a day and the per-connection
// display copy of the menu.
class TestDailyMenu : public QObject
{
    Q_OBJECT

    const QDate m_today {2026, 3, 10};
    const QDate m_closed {2026, 2, 28};
    const QDate m_day {2026, 3, 12};

    static void exec(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery query(db);
        QVERIFY2(query.exec(sql), qPrintable(sql + ": " + query.lastError().text()));
    }
    static QStringList rows(QSqlDatabase db, const QString &sql) { return sqlRows(db, sql); }
    static int count(QSqlDatabase db, const QString &sql) { return rows(db, sql).value(0).toInt(); }

    // Two meals, a recipe, two materials (one of them with a unit missing from Mertegys) and the
    // menu of m_day: the recipe for lunch, bread for breakfast, the odd material for lunch.
    void fill(QSqlDatabase db)
    {
        exec(db, "DELETE FROM \"Mertegys\"");
        exec(db, "INSERT INTO \"Mertegys\" (\"MertKod\", \"Megnevezes\") VALUES ('kg', 'kilogramm'), ('db', 'darab')");
        exec(db,
            "INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Tip\", \"Enorma\") VALUES ('01', 'Ebéd', '2', "
            "'01'), "
            "('02', 'Reggeli', '1', '01'), ('03', 'Uzsonna', '1', '00')");
        exec(db,
            "INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Enorma\") VALUES ('0007', 'Gulyásleves', '01')");
        exec(db,
            "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\") VALUES "
            "('211', '0007', 'Kenyér', 'kg'), ('211', '0008', 'Alma', 'xx')");
        exec(db, "INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\") VALUES ('2026-02-28', 'Havi zárás')");
        exec(db,
            "INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") VALUES "
            "('2026-03-12', '01', '1000', '0007', 1), ('2026-03-12', '02', '211', '0007', 0.25), "
            "('2026-03-12', '01', '211', '0008', 2), ('2026-03-13', '03', '1000', '0007', 0.5)");
    }
    static QString etlap()
    {
        return QStringLiteral("SELECT \"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\" FROM \"Etlap\" "
                              "ORDER BY \"EtlapAzon\"");
    }

private slots:
    void saveChecks_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("headcount");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        for (const QString &engine : TestEngines::names()) {
            const QString issued
                = "Erre az étkezésre új tétel nem vihető fel!\rMár ki lett adva a raktárból kiszabattal.";
            TestEngines::newRow(engine, "accepted") << "" << QDate(2026, 3, 12) << 1.5 << ""
                                                    << "";
            TestEngines::newRow(engine, "headcount not issued") << "FALSE" << QDate(2026, 3, 12) << 1.5 << ""
                                                                << "";
            TestEngines::newRow(engine, "meal issued") << "TRUE" << QDate(2026, 3, 12) << 1.5 << issued << "";
            TestEngines::newRow(engine, "issued is checked before quantity")
                << "TRUE" << QDate(2026, 3, 12) << 0.0 << issued << "";
            TestEngines::newRow(engine, "zero quantity")
                << "" << QDate(2026, 3, 12) << 0.0 << "Túl kevés a megadott mennyiség!"
                << "edtMennyiseg";
            TestEngines::newRow(engine, "negative quantity")
                << "" << QDate(2026, 3, 12) << -1.0 << "Túl kevés a megadott mennyiség!"
                << "edtMennyiseg";
            TestEngines::newRow(engine, "closing day")
                << "" << QDate(2026, 2, 28) << 1.0
                << "Már lezárta ezt a hónapot!\rErre a hónapra étlapot nem módosíthat!"
                << "dtpEtlap";
        }
    }
    void saveChecks()
    {
        QFETCH(QString, headcount);
        QFETCH(QDate, date);
        QFETCH(double, quantity);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        fill(w);
        if (!headcount.isEmpty())
            exec(w,
                QStringLiteral("INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\") VALUES "
                               "('%1', '02', 30, %2)")
                    .arg(date.toString(Qt::ISODate), headcount));
        const QStringList before = rows(w, etlap());

        const MenuRow row {date, QStringLiteral("02"), QStringLiteral("1000"), QStringLiteral("0007"), quantity};
        const Checked<qint64> added = MenuRows::add(w, row, m_closed);
        QCOMPARE(added.refusal.text, message);
        QCOMPARE(added.refusal.focus, focus);
        if (message.isEmpty())
            QCOMPARE(rows(w, etlap()), before + QStringList {date.toString(Qt::ISODate) + "|02|1000|0007|1.5"});
        else
            QCOMPARE(rows(w, etlap()), before);

        // A change to the same values meets the same checks.
        const qint64 first = rows(w, "SELECT MIN(\"EtlapAzon\") FROM \"Etlap\"").value(0).toLongLong();
        const Refusal changed = MenuRows::change(w, first, row, m_closed);
        QCOMPARE(changed.text, message);
    }

    // A row must name a meal and a dish that exist; a row with an empty or unknown key would be left
    // out of every list. Neither a new row nor a change is written, and the stored row keeps its keys.
    void rowWithoutAKeyIsRefused_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("meal");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("dish");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        for (const QString &engine : TestEngines::names()) {
            const QString noMeal = "Hibás értékadás!\rNem adott meg étkezést!";
            const QString noDish = "A megadott azonosítón nem létezik tétel!";
            TestEngines::newRow(engine, "no meal") << "" << "1000" << "0007" << noMeal << "dbcEtkTip";
            TestEngines::newRow(engine, "unknown meal") << "09" << "1000" << "0007" << noMeal << "dbcEtkTip";
            TestEngines::newRow(engine, "no recipe") << "02" << "1000" << "" << noDish << "edtAzon";
            TestEngines::newRow(engine, "unknown recipe") << "02" << "1000" << "0099" << noDish << "edtAzon";
            TestEngines::newRow(engine, "account without materials") << "02" << "212" << "" << noDish << "edtAzon";
            TestEngines::newRow(engine, "no account") << "02" << "" << "0007" << noDish << "edtAzon";
            TestEngines::newRow(engine, "material of another account") << "02" << "212" << "0007" << noDish << "edtAzon";
            TestEngines::newRow(engine, "material without a known unit") << "02" << "211" << "0008" << "" << "";
        }
    }
    void rowWithoutAKeyIsRefused()
    {
        QFETCH(QString, meal);
        QFETCH(QString, account);
        QFETCH(QString, dish);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        fill(w);
        const QStringList before = rows(w, etlap());

        const MenuRow row {m_day, meal, account, dish, 1.5};
        const Checked<qint64> added = MenuRows::add(w, row, m_closed);
        QCOMPARE(added.refusal.text, message);
        QCOMPARE(added.refusal.focus, focus);
        const Refusal changed = MenuRows::change(w, 1, row, m_closed);
        QCOMPARE(changed.text, message);
        if (message.isEmpty())
            return;
        QCOMPARE(added.refusal.caption, QStringLiteral("HIBA!"));
        QCOMPARE(rows(w, etlap()), before);
    }

    // An issued meal refuses changes and deletion; a headcount that was not issued still refuses
    // deletion but allows changes; a closed screen date refuses both.
    void browseProtections_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("kiadva");
        QTest::addColumn<QDate>("screenDate");
        QTest::addColumn<QString>("changeMessage");
        QTest::addColumn<QString>("deleteMessage");
        for (const QString &engine : TestEngines::names()) {
            const QString closed = "Már lezárta ezt a hónapot!\rErre a hónapra étlapot nem módosíthat!";
            const QString hasHeadcount = "A tétel nem törölhető!\rA tételhez tartozik létszám. Először törölje azt!";
            const QString ask = "Valóban törli az adatot?\rAz adat visszavonhatatlanul törlődik!";
            TestEngines::newRow(engine, "no headcount") << "" << QDate(2026, 3, 12) << "" << ask;
            TestEngines::newRow(engine, "headcount not issued") << "FALSE" << QDate(2026, 3, 12) << "" << hasHeadcount;
            TestEngines::newRow(engine, "issued")
                << "TRUE" << QDate(2026, 3, 12) << "A tétel nem módosítható!\rMár ki lett adva a raktárból kiszabattal."
                << hasHeadcount;
            TestEngines::newRow(engine, "closed screen date") << "" << QDate(2026, 2, 28) << closed << closed;
        }
    }
    void browseProtections()
    {
        QFETCH(QString, kiadva);
        QFETCH(QDate, screenDate);
        QFETCH(QString, changeMessage);
        QFETCH(QString, deleteMessage);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        fill(w);
        if (!kiadva.isEmpty())
            exec(w,
                QStringLiteral("INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\") VALUES "
                               "('2026-03-12', '01', 30, %1)")
                    .arg(kiadva));
        const qint64 lunch = 1;
        QCOMPARE(MenuRows::checkChange(w, lunch, screenDate, m_closed).text, changeMessage);

        // Refused before the question, or asked, then deleted; the write checks again.
        const Refusal refused = MenuRows::checkRemove(w, lunch, screenDate, m_closed);
        QCOMPARE(refused.isNull() ? MenuRows::removeQuestion() : refused.text, deleteMessage);
        const Refusal late = MenuRows::remove(w, lunch, screenDate, m_closed);
        QCOMPARE(late, refused);
        const bool deleted = late.isNull();
        QCOMPARE(deleted, deleteMessage.startsWith(QStringLiteral("Valóban")));
        QCOMPARE(count(w, "SELECT COUNT(*) FROM \"Etlap\" WHERE \"EtlapAzon\" = 1"), deleted ? 0 : 1);
    }

    void emptyListRefusesChangeAndDelete_data() { TestEngines::addRows(); }
    void emptyListRefusesChangeAndDelete()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QCOMPARE(MenuRows::checkChange(db.warehouse(1), 0, m_day, m_closed).text,
            QStringLiteral("Nincs kiválasztott adatsor!"));
        QCOMPARE(MenuRows::checkRemove(db.warehouse(1), 0, m_day, m_closed).text,
            QStringLiteral("Nincs kiválasztott adatsor!"));
        QCOMPARE(MenuRows::remove(db.warehouse(1), 0, m_day, m_closed).text, QStringLiteral("Nincs kiválasztott adatsor!"));
    }

    // A copy meets the protections of editing: the target date must be open and no copied meal
    // may be issued there; a refused copy writes nothing.
    void copyWithinWarehouse_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QDate>("target");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        for (const QString &engine : TestEngines::names()) {
            const QString itself = "Hibás értékadás!\rNem másolható önmagára!";
            TestEngines::newRow(engine, "copied") << QDate(2026, 3, 13) << ""
                                                  << "";
            TestEngines::newRow(engine, "onto itself") << QDate(2026, 3, 12) << "" << itself;
            TestEngines::newRow(engine, "prompt cancelled") << QDate(1900, 1, 1) << "" << itself;
            TestEngines::newRow(engine, "target closed")
                << QDate(2026, 2, 27) << ""
                << "Már lezárta ezt a hónapot!\rErre a hónapra étlapot nem módosíthat!";
            TestEngines::newRow(engine, "closed meanwhile by another computer")
                << QDate(2026, 3, 13)
                << "INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\") VALUES ('2026-03-31', 'Havi zárás')"
                << "Már lezárta ezt a hónapot!\rErre a hónapra étlapot nem módosíthat!";
            TestEngines::newRow(engine, "target meal issued")
                << QDate(2026, 3, 13)
                << "INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\") VALUES ('2026-03-13', "
                   "'02', 5, TRUE)"
                << "Erre az étkezésre új tétel nem vihető fel!\rMár ki lett adva a raktárból kiszabattal.";
            TestEngines::newRow(engine, "other meal issued is no obstacle")
                << QDate(2026, 3, 13)
                << "INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\") VALUES ('2026-03-13', "
                   "'03', 5, TRUE)"
                << "";
        }
    }
    void copyWithinWarehouse()
    {
        QFETCH(QDate, target);
        QFETCH(QString, setup);
        QFETCH(QString, message);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        fill(w);
        if (!setup.isEmpty())
            exec(w, setup);
        const QStringList before = rows(w, etlap());

        const Refusal refusal = MenuCopy::copyDay(w, m_day, {w, true, target, m_closed});
        QCOMPARE(refusal.text, message);
        if (!message.isEmpty()) {
            QCOMPARE(rows(w, etlap()), before);
            return;
        }
        // Rows already on the target date stay; the copy adds to them.
        const QStringList added {
            "2026-03-13|01|1000|0007|1", "2026-03-13|02|211|0007|0.25", "2026-03-13|01|211|0008|2"};
        QCOMPARE(rows(w, etlap()), before + added);
    }

    void copyIntoAnotherWarehouse_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QDate>("target");
        QTest::addColumn<QString>("message");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "same date elsewhere") << "" << QDate(2026, 3, 12) << "";
            TestEngines::newRow(engine, "target warehouse closed later")
                << "INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\") VALUES ('2026-03-31', 'Havi zárás')"
                << QDate(2026, 3, 12) << "Már lezárta ezt a hónapot!\rErre a hónapra étlapot nem módosíthat!";
            TestEngines::newRow(engine, "target meal issued")
                << "INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\") VALUES ('2026-03-12', "
                   "'01', 5, TRUE)"
                << QDate(2026, 3, 12)
                << "Erre az étkezésre új tétel nem vihető fel!\rMár ki lett adva a raktárból kiszabattal.";
        }
    }
    void copyIntoAnotherWarehouse()
    {
        QFETCH(QString, setup);
        QFETCH(QDate, target);
        QFETCH(QString, message);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        fill(db.warehouse(1));
        QSqlDatabase other = db.warehouse(2);
        exec(other,
            "INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") VALUES "
            "('2026-03-12', '09', '1000', "
            "'0001', 3)");
        if (!setup.isEmpty())
            exec(other, setup);

        const Refusal refusal = MenuCopy::copyDay(db.warehouse(1), m_day, {other, false, target, m_closed});
        QCOMPARE(refusal.text, message);
        QStringList expected {"2026-03-12|09|1000|0001|3"};
        if (message.isEmpty())
            expected << "2026-03-12|01|1000|0007|1"
                     << "2026-03-12|02|211|0007|0.25"
                     << "2026-03-12|01|211|0008|2";
        QCOMPARE(rows(other, etlap()), expected);
        QCOMPARE(count(db.warehouse(1), "SELECT COUNT(*) FROM \"Etlap\""), 4);
    }

    void listShowsRecipesAndMaterialsWithKnownUnits_data() { TestEngines::addRows(); }
    void listShowsRecipesAndMaterialsWithKnownUnits()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        fill(w);
        QVERIFY(MenuList::rebuild(w, {m_day, false, true}));
        QCOMPARE(rows(w, MenuList::selectSql(MenuList::Order::DateMealName)),
            (QStringList {
                "1|2026-03-12|Ebéd|0007|Gulyásleves|1|Adag|01", "2|2026-03-12|Reggeli|0007|Kenyér|0.25|kg|02"}));
        QCOMPARE(rows(w, "SELECT \"Tip\", \"Enorma\", \"FokSzam\" FROM \"TmpEtlap\" ORDER BY \"EtlapAzon\""),
            (QStringList {"2|01|", "1|01|"}));

        QVERIFY(MenuList::rebuild(w, {m_day, true, false}));
        QCOMPARE(rows(w, MenuList::selectSql(MenuList::Order::Name)),
            (QStringList {"1|2026-03-12|Ebéd||Gulyásleves|1|Adag|01", "4|2026-03-13|Uzsonna||Gulyásleves|0.5|Adag|03",
                "2|2026-03-12|Reggeli||Kenyér|0.25|kg|02"}));
    }

    // Two computers in one warehouse: each connection has its own display copy.
    void displayCopyIsPrivateToTheConnection_data() { TestEngines::addRows(); }
    void displayCopyIsPrivateToTheConnection()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        fill(w);
        {
            QSqlDatabase second = EngineTools::otherComputer(db, 1, QStringLiteral("second"));
            QVERIFY(second.isOpen());
            QVERIFY(MenuList::rebuild(w, {m_day, false, true}));
            QVERIFY(MenuList::rebuild(second, {QDate(2026, 3, 13), false, true}));
            QCOMPARE(count(w, "SELECT COUNT(*) FROM \"TmpEtlap\""), 2);
            QCOMPARE(count(second, "SELECT COUNT(*) FROM \"TmpEtlap\""), 1);
            QVERIFY(MenuList::rebuild(second, {QDate(2026, 3, 14), false, true}));
            QCOMPARE(count(w, "SELECT COUNT(*) FROM \"TmpEtlap\""), 2);
            second.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("second"));
        // The shared work table of the warehouse is never written.
        const QString shared = db.isServer() ? Database::warehouseSchema(1) : QStringLiteral("main");
        {
            QSqlDatabase third = EngineTools::otherComputer(db, 1, QStringLiteral("third"));
            QCOMPARE(count(third, QStringLiteral("SELECT COUNT(*) FROM \"%1\".\"TmpEtlap\"").arg(shared)), 0);
            third.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("third"));
    }
};

QTEST_GUILESS_MAIN(TestDailyMenu)
#include "tst_dailymenu.moc"
