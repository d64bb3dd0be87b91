#include "menu/Headcount.h"
#include "menu/MenuList.h"
#include "support/SqlRows.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

// Headcounts: written only on "&Rögzít", a zero removes the row of a meal not issued, and the meal
// list of a day with its headcounts.
class TestHeadcount : public QObject
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
    // The headcount screen's meal list as it shows it: name, code and headcount (empty without one).
    static QStringList shownMeals(QSqlDatabase db)
    {
        QSqlQuery query(db);
        if (!query.exec(MenuList::mealSql()))
            return {query.lastError().text()};
        QStringList shown;
        while (query.next())
            shown << query.value(0).toString() + '|' + query.value(1).toString() + '|'
                    + (query.value(4).isNull() ? QString() : QString::number(query.value(4).toInt()));
        return shown;
    }

private slots:
    void save_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("stored"); // Letszam|Kiadva before, empty: no row
        QTest::addColumn<int>("typed");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("after");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "new headcount")
                << "" << 40 << QDate(2026, 3, 12) << "" << QStringList {"2026-03-12|01|40|0|"};
            TestEngines::newRow(engine, "changed")
                << "50|FALSE" << 45 << QDate(2026, 3, 12) << "" << QStringList {"2026-03-12|01|45|0|07"};
            TestEngines::newRow(engine, "zero removes")
                << "50|FALSE" << 0 << QDate(2026, 3, 12) << "" << QStringList {};
            TestEngines::newRow(engine, "zero without row leaves none")
                << "" << 0 << QDate(2026, 3, 12) << "" << QStringList {};
            TestEngines::newRow(engine, "issued changed")
                << "50|TRUE" << 60 << QDate(2026, 3, 12) << "" << QStringList {"2026-03-12|01|60|1|07"};
            TestEngines::newRow(engine, "issued zero refused")
                << "50|TRUE" << 0 << QDate(2026, 3, 12) << "Kiszabott létszám nem lehet nulla!"
                << QStringList {"2026-03-12|01|50|1|07"};
            TestEngines::newRow(engine, "closed date")
                << "50|FALSE" << 0 << QDate(2026, 2, 28)
                << "Már lezárta ezt a hónapot!\rErre a hónapra étlapot nem módosíthat!"
                << QStringList {"2026-02-28|01|50|0|07"};
        }
    }
    void save()
    {
        QFETCH(QString, stored);
        QFETCH(int, typed);
        QFETCH(QDate, date);
        QFETCH(QString, message);
        QFETCH(QStringList, after);
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        if (!stored.isEmpty()) {
            const QStringList parts = stored.split(QLatin1Char('|'));
            exec(w,
                QStringLiteral(
                    "INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\", \"Mozgnem\") "
                    "VALUES ('%1', '01', %2, %3, '07')")
                    .arg(date.toString(Qt::ISODate), parts.at(0), parts.at(1)));
        }
        // Another meal of the day is never touched.
        exec(w,
            "INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\") VALUES ('2026-03-12', '02', "
            "7, FALSE)");

        const Refusal refusal = Headcount::save(w, date, QStringLiteral("01"), typed, m_closed);
        QCOMPARE(refusal.text, message);
        QCOMPARE(rows(w,
                     "SELECT \"Datum\", \"Etkezesek\", \"Letszam\", CASE WHEN \"Kiadva\" THEN 1 ELSE 0 END, "
                     "\"Mozgnem\" FROM \"Letszam\" WHERE \"Etkezesek\" = '01'"),
            after);
        QCOMPARE(rows(w, "SELECT \"Letszam\" FROM \"Letszam\" WHERE \"Etkezesek\" = '02'"), QStringList {"7"});
    }

    // Opening the dialog reads only: a meal without a headcount gets no placeholder row.
    void readingWritesNothing_data() { TestEngines::addRows(); }
    void readingWritesNothing()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        const Headcount::Entry none = Headcount::read(w, m_day, QStringLiteral("01"));
        QVERIFY(!none.exists);
        QCOMPARE(rows(w, "SELECT COUNT(*) FROM \"Letszam\""), QStringList {"0"});
        exec(w,
            "INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\") VALUES ('2026-03-12', '01', "
            "50, TRUE)");
        const Headcount::Entry issued = Headcount::read(w, m_day, QStringLiteral("01"));
        QVERIFY(issued.exists);
        QVERIFY(issued.issued);
        QCOMPARE(issued.count, 50);
    }

    // One row per meal of the day's menu, by meal type, norm and code, with its headcount or none.
    void mealList_data() { TestEngines::addRows(); }
    void mealList()
    {
        QFETCH(QString, engine);
        TempDatabase db(m_today, engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase w = db.warehouse(1);
        exec(w,
            "INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Tip\", \"Enorma\") VALUES ('01', 'Ebéd', '2', "
            "'01'), "
            "('02', 'Reggeli', '1', '02'), ('03', 'Tízórai', '1', '01')");
        exec(
            w, "INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\") VALUES ('0001', 'Leves'), ('0002', 'Főzelék')");
        exec(w,
            "INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") VALUES "
            "('2026-03-12', '01', '1000', '0001', 1), ('2026-03-12', '01', '1000', '0002', 1), "
            "('2026-03-12', '02', '1000', '0001', 1), ('2026-03-12', '03', '1000', '0002', 1), "
            "('2026-03-13', '01', '1000', '0002', 1)");
        exec(w,
            "INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\") VALUES ('2026-03-12', '01', "
            "120, FALSE), "
            "('2026-03-13', '03', 9, FALSE)");
        QVERIFY(MenuList::rebuild(w, {m_day, false, false}));
        QCOMPARE(shownMeals(w), (QStringList {"Tízórai|03|", "Reggeli|02|", "Ebéd|01|120"}));

        QVERIFY(MenuList::rebuild(w, {QDate(2026, 3, 14), false, false}));
        QVERIFY(shownMeals(w).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHeadcount)
#include "tst_headcount.moc"
