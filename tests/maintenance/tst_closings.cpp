#include "maintenance/MonthClosing.h"
#include "maintenance/PhysicalClosing.h"
#include "maintenance/YearClosing.h"
#include "menu/Headcount.h"
#include "menu/MenuGuards.h"
#include "menu/MenuRows.h"
#include "stock/StockAtDate.h"
#include "stock/StockRecalculator.h"
#include "store/WriteTransaction.h"
#include "support/EngineTools.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

// The monthly, year and physical closings of a warehouse.
class TestClosings : public QObject
{
    Q_OBJECT

    static void exec(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery query(db);
        QVERIFY2(query.exec(sql), qPrintable(sql + ": " + query.lastError().text()));
    }
    static QStringList rows(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery query(db);
        QStringList found;
        if (!query.exec(sql))
            return {query.lastError().text()};
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            found << values.join(QLatin1Char('|'));
        }
        return found;
    }
    static QStringList closings(QSqlDatabase db)
    {
        return rows(db, QStringLiteral("SELECT \"Datum\", \"Megjegyzes\" FROM \"Napizaras\" ORDER BY \"Datum\""));
    }
    // The stock list at a date as text, every field that the reports show.
    static QStringList stockAt(QSqlDatabase db, const QDate &date, int workYear)
    {
        QString error;
        QStringList lines;
        for (const StockLine &line : StockAtDate(db).compute(date, workYear, &error))
            lines << QStringLiteral("%1/%2 %3 %4 %5 %6 %7")
                         .arg(line.fokSzam, line.nyilvSzam, QString::number(line.keszletMenny, 'g', 12),
                             line.keszletErtek.toString(), line.keszletAfa.toString(), line.keszletBrutto.toString(),
                             line.nyilvAr.toString());
        if (!error.isEmpty())
            lines << error;
        return lines;
    }

private slots:
    void monthClosing_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("earlier"); // a closing already there (ISO), or empty
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("written"); // the new row's date, or empty for the warning
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "February of a common year") << "2026-01-31" << 2026 << 2 << "2026-02-28";
            TestEngines::newRow(engine, "February of a leap year") << "2028-01-31" << 2028 << 2 << "2028-02-29";
            TestEngines::newRow(engine, "fresh year, far ahead") << "" << 2026 << 11 << "2026-11-30";
            TestEngines::newRow(engine, "same month twice") << "2026-02-28" << 2026 << 2 << "";
            TestEngines::newRow(engine, "an earlier month") << "2026-05-31" << 2026 << 3 << "";
            TestEngines::newRow(engine, "a year before the last closing") << "2026-01-31" << 2025 << 12 << "";
        }
    }

    // The closing row or the warning, re-read in the write: a second computer's closing counts.
    void monthClosing()
    {
        QFETCH(QString, engine);
        QFETCH(QString, earlier);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QString, written);
        TempDatabase db(QDate(year, 3, 10), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        // The earlier closing is written by another computer after this one started.
        if (!earlier.isEmpty()) {
            QSqlDatabase other = EngineTools::otherComputer(db, 1, QStringLiteral("masik"));
            exec(other, QStringLiteral("INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES ('%1', "
                                       "'Havi zárás', 'bela')").arg(earlier));
            other.close();
            other = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("masik"));
        }
        const QStringList before = closings(db.warehouse(1));

        const Checked<QDate> closed = MonthClosing::close(db.warehouse(1), year, month, QStringLiteral("anna"));
        if (written.isEmpty()) {
            QVERIFY(!closed.ok());
            QCOMPARE(closed.refusal.caption, QStringLiteral("Figyelmeztetés!"));
            QCOMPARE(closed.refusal.symbol, 1);
            QCOMPARE(closed.refusal.text,
                QStringLiteral("A megadott hóban már zárt egyszer!\rEgy hóban csak egyszer lehet zárni! Nincs zárás."));
            QCOMPARE(closings(db.warehouse(1)), before);
        } else {
            QVERIFY2(closed.ok(), qPrintable(closed.refusal.text));
            QCOMPARE(closed.value, QDate::fromString(written, Qt::ISODate));
            QCOMPARE(closings(db.warehouse(1)), before + QStringList {written + QStringLiteral("|Havi zárás")});
            // Twice: the warning, no second row.
            QVERIFY(!MonthClosing::close(db.warehouse(1), year, month, QStringLiteral("anna")).ok());
            QCOMPARE(closings(db.warehouse(1)).size(), before.size() + 1);
        }
    }

    void closingBindsOpenScreens_data() { TestEngines::addRows(); }

    // A month another computer closes while a screen holds the closing date read at login is
    // closed for the screen's writes as well: menu rows and headcounts read it in their write.
    void closingBindsOpenScreens()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2026, 3, 10), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase wh = db.warehouse(1);
        const QDate atLogin(2025, 12, 31);
        exec(wh, QStringLiteral("INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") "
                                "VALUES ('2026-03-05', '01', '1000', '0001', 1)"));
        const qint64 id = rows(wh, QStringLiteral("SELECT \"EtlapAzon\" FROM \"Etlap\"")).value(0).toLongLong();
        {
            QSqlDatabase other = EngineTools::otherComputer(db, 1, QStringLiteral("masik"));
            QVERIFY(MonthClosing::close(other, 2026, 3, QStringLiteral("bela")).ok());
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("masik"));

        const QString closed = MenuGuards::closedMonth().text;
        const MenuRow row {QDate(2026, 3, 6), QStringLiteral("01"), QStringLiteral("1000"), QStringLiteral("0001"), 2};
        QCOMPARE(MenuRows::add(wh, row, atLogin).refusal.text, closed);
        QCOMPARE(MenuRows::change(wh, id, row, atLogin).text, closed);
        QCOMPARE(MenuRows::remove(wh, id, QDate(2026, 3, 5), atLogin).text, closed);
        QCOMPARE(Headcount::save(wh, QDate(2026, 3, 5), QStringLiteral("01"), 10, atLogin).text, closed);
        QCOMPARE(rows(wh, QStringLiteral("SELECT \"Datum\", \"Mennyiseg\" FROM \"Etlap\"")), QStringList {"2026-03-05|1"});
        QCOMPARE(rows(wh, QStringLiteral("SELECT COUNT(*) FROM \"Letszam\"")), QStringList {"0"});
    }

    void monthList()
    {
        const QStringList entries = MonthClosing::monthEntries();
        QCOMPARE(entries.size(), 12);
        QCOMPARE(entries.first(), QStringLiteral("1   - január"));
        QCOMPARE(entries.at(8), QStringLiteral("9   - szeptember"));
        QCOMPARE(entries.at(9), QStringLiteral("10 - október"));
        QCOMPARE(MonthClosing::proposedMonth(QDate(2026, 3, 15)), 2);
        QCOMPARE(MonthClosing::proposedMonth(QDate(2026, 1, 15)), 1);
    }

    void yearClosing_data() { TestEngines::addRows(); }

    // Refused until December is closed (the stock list refreshed anyway); then the December row
    // says "Éves zárás" and no year is active, both in one write.
    void yearClosing()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase wh = db.warehouse(1);
        StockFixture::addReportStock(wh);
        exec(wh, QStringLiteral("INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES "
                                "('2025-11-30', 'Havi zárás', 'anna')"));

        Refusal refused = YearClosing::close(wh, 2025, QStringLiteral("bela"));
        QCOMPARE(refused, Refusal::warning(QStringLiteral("Az aktív évet nem lehet lezárni!\rElőször zárja le a december hónapot!")));
        QCOMPARE(rows(wh, QStringLiteral("SELECT \"MunkaEv\" FROM \"Munkaev\" WHERE \"AktivEv\" = TRUE")), QStringList {"2025"});
        QCOMPARE(rows(wh, QStringLiteral("SELECT COUNT(*) FROM \"Leltar\"")), QStringList {"3"});

        QVERIFY(MonthClosing::close(wh, 2025, 12, QStringLiteral("anna")).ok());
        refused = YearClosing::close(wh, 2025, QStringLiteral("bela"));
        QVERIFY2(refused.isNull(), qPrintable(refused.text));
        QCOMPARE(rows(wh, QStringLiteral("SELECT \"Datum\", \"Megjegyzes\", \"User\" FROM \"Napizaras\" ORDER BY \"Datum\" DESC LIMIT 1")),
            QStringList {"2025-12-31|Éves zárás|bela"});
        QCOMPARE(rows(wh, QStringLiteral("SELECT COUNT(*) FROM \"Munkaev\" WHERE \"AktivEv\" = TRUE")), QStringList {"0"});
        // A second closing (another computer's) finds the year closed already.
        QCOMPARE(YearClosing::close(wh, 2025, QStringLiteral("bela")).text, YearClosing::notActiveText());
    }

    void physicalClosing_data() { TestEngines::addRows(); }

    // The stock at every date after the closing date, and every later balance, are what they were;
    // the rows up to the date are gone from every dated table.
    void physicalClosing()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2025, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase wh = db.warehouse(1);
        // Liszt 10 in on 03-01 and 2 out on 03-02; Cukor 5 in on 03-01, 5 out on 03-05; Alma 3 in on 04-01.
        StockFixture::addReportStock(wh);
        exec(wh, QStringLiteral("INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\") VALUES "
                                "('2025-03-02', '01', 10), ('2025-03-03', '01', 12)"));
        exec(wh, QStringLiteral("INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\") VALUES ('2025-03-01', '01'), "
                                "('2025-03-03', '01')"));
        const QDate date(2025, 3, 2);

        // A date after the last closed month is refused and changes nothing.
        const QStringList movements = rows(wh, QStringLiteral("SELECT * FROM \"Raktar\" ORDER BY \"RaktAzon\""));
        const Checked<PhysicalClosing::Outcome> early = PhysicalClosing::close(wh, date, QStringLiteral("anna"), false);
        QCOMPARE(early.refusal, Refusal::error(PhysicalClosing::afterClosedMonthText()));
        QCOMPARE(rows(wh, QStringLiteral("SELECT * FROM \"Raktar\" ORDER BY \"RaktAzon\"")), movements);

        exec(wh, QStringLiteral("INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES "
                                "('2025-03-31', 'Havi zárás', 'anna')"));
        QList<QStringList> before;
        for (QDate day = date; day <= QDate(2025, 12, 31); day = day.addDays(1))
            before << stockAt(wh, day, 2025);
        const QString laterRows = QStringLiteral("SELECT \"FokSzla\", \"NyilvSzam\", \"Datum\", \"KeszletMenny\", "
                                                 "\"KeszletErtek\" FROM \"Raktar\" WHERE \"Datum\" > '2025-03-02' ORDER BY \"RaktAzon\"");
        const QStringList balances = rows(wh, laterRows);
        const QStringList materials = rows(wh, QStringLiteral("SELECT * FROM \"Anyag\" ORDER BY \"FokonyviSzam\", \"NyilvSzam\""));

        const Checked<PhysicalClosing::Outcome> closed = PhysicalClosing::close(wh, date, QStringLiteral("anna"), false);
        QVERIFY2(closed.ok(), qPrintable(closed.refusal.text));
        QCOMPARE(closed.value.openingRows, 2);
        QCOMPARE(closed.value.deletedRows, 3 + 1 + 1);
        QVERIFY(PhysicalClosing::compact(wh, 1).isNull());

        QList<QStringList> after;
        for (QDate day = date; day <= QDate(2025, 12, 31); day = day.addDays(1))
            after << stockAt(wh, day, 2025);
        QCOMPARE(after, before);
        QCOMPARE(rows(wh, QStringLiteral("SELECT \"Datum\", \"Mozgnem\", \"FokSzla\", \"NyilvSzam\", \"TetelMenny\" FROM "
                                         "\"Raktar\" WHERE \"Datum\" <= '2025-03-02' ORDER BY \"FokSzla\", \"NyilvSzam\"")),
            QStringList({"2025-03-02|00|100|0001|8", "2025-03-02|00|100|0002|5"}));
        QCOMPARE(rows(wh, QStringLiteral("SELECT \"Datum\" FROM \"Letszam\"")), QStringList {"2025-03-03"});
        QCOMPARE(rows(wh, QStringLiteral("SELECT \"Datum\" FROM \"Etlap\"")), QStringList {"2025-03-03"});
        QCOMPARE(rows(wh, QStringLiteral("SELECT * FROM \"Anyag\" ORDER BY \"FokonyviSzam\", \"NyilvSzam\"")), materials);

        // Recalculating every material from its first row gives the same later balances.
        QVERIFY(WriteTransaction::run(wh, [&] {
            StockRecalculator recalculator(wh, false);
            for (const auto &[fok, nyilv] : {std::pair {"100", "0001"}, {"100", "0002"}, {"200", "0003"}})
                recalculator.run(QString::fromLatin1(fok), QString::fromLatin1(nyilv), QDate(), true);
            return Refusal();
        }).ok());
        QCOMPARE(rows(wh, laterRows), balances);
    }
};

QTEST_GUILESS_MAIN(TestClosings)
#include "tst_closings.moc"
