#include "session/Settings.h"
#include "stock/WorkYear.h"
#include "stock/YearOpening.h"
#include "store/WriteFailure.h"
#include "core/ScriptedMessenger.h"
#include "support/ScriptedStartupPrompts.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QProcess>
#include <QSqlError>
#include <array>
#include <map>
#include <memory>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

// Reading and opening the work year of a warehouse.
class TestAppWorkYear : public QObject
{
    Q_OBJECT

    static void exec(const TempDatabase &db, const QString &sql)
    {
        QSqlQuery query(db.warehouse(1));
        QVERIFY2(query.exec(sql), qPrintable(sql + ": " + query.lastError().text()));
    }
    static int count(const TempDatabase &db, const QString &sql)
    {
        QSqlQuery query(db.warehouse(1));
        return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
    }

    struct Run
    {
        Settings settings;
        ScriptedMessenger messenger;
        ScriptedStartupPrompts prompts;
        QTemporaryDir programDir;

        explicit Run(const TempDatabase &db)
        {
            settings.setProgramPath(programDir.path());
            settings.setDbPath(db.path());
            settings.setAktivRaktar(1);
            settings.setLoginUser(QStringLiteral("anna"));
        }
        bool read(const QDate &today)
        {
            WorkYear workYear(settings, messenger, prompts);
            workYear.setToday(today);
            return workYear.read();
        }
    };

    // The state after the 2006 year closing: no active year, December closed, the movements of 2006
    // that leave Cukor, Liszt and a material with no stock left (Só), and a stock list (Leltar) of
    // another date that an issue on another computer left behind.
    static void closed2006(const TempDatabase &db)
    {
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        exec(db, "UPDATE \"Munkaev\" SET \"AktivEv\" = FALSE");
        exec(db, "INSERT INTO \"Munkaev\" (\"MunkaEv\", \"AktivEv\") VALUES ('2005', FALSE)");
        exec(db,
            "INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES ('2006-11-30', 'Havi zárás', 'anna'), "
            "('2006-12-31', 'Éves zárás', 'anna')");
        exec(db,
            "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\") VALUES "
            "('200', '0001', 'Liszt', 'kg'), ('100', '0002', 'Só', 'kg'), ('100', '0001', 'Cukor', 'kg')");
        exec(db,
            "INSERT INTO \"Raktar\" (\"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"FokSzla\", \"NyilvSzam\", "
            "\"TetelMenny\", \"TetelErtek\", \"AfaErtek\", \"Brutto\", \"KeszletMenny\", \"KeszletErtek\") VALUES "
            "('BE', '01', '00000001', '2006-03-01', '200', '0001', 30.5, 6100.1234, 1647.0333, 7747.1567, 30.5, 6100.1234), "
            "('KI', '03', '00000002', '2006-12-30', '200', '0001', 5, 1000, 270, 1270, 25.5, 5100.1234), "
            "('BE', '01', '00000001', '2006-03-01', '100', '0002', 2, 160, 43.2, 203.2, 2, 160), "
            "('KI', '03', '00000002', '2006-12-30', '100', '0002', 2, 160, 43.2, 203.2, 0, 0), "
            "('BE', '01', '00000003', '2006-05-01', '100', '0001', 3.125, 937.5, 253.125, 1190.625, 3.125, 937.5), "
            "('KI', '03', '00000004', '2007-01-02', '100', '0001', 1, 300, 81, 381, 2.125, 637.5)");
        exec(db,
            "INSERT INTO \"Leltar\" (\"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", \"Szorzo\", \"KeszletMenny\", "
            "\"KeszletErtek\", \"KeszletAFA\", \"KeszletBrutto\", \"NyilvAr\") VALUES "
            "('200', '0001', 'Liszt', 'kg', 10, 99, 9999, 0, 0, 101), "
            "('100', '0001', 'Cukor', 'kg', 10, 1, 300, 81, 381, 300)");
    }

    static QStringList refusal() { return {YearOpening::refusalText()}; }

    // Databases that cases which write nothing share, one per engine and state, made at first use.
    std::map<QString, std::unique_ptr<TempDatabase>> m_shared;
    TempDatabase &sharedDatabase(const QString &state, const QString &engine, void (*prepare)(const TempDatabase &))
    {
        std::unique_ptr<TempDatabase> &db = m_shared[state + QLatin1Char('/') + engine];
        if (!db) {
            db = std::make_unique<TempDatabase>(QDate(2006, 6, 1), engine);
            prepare(*db);
        }
        return *db;
    }

    // The state after three monthly closings of 2006, with 2005 recorded as an earlier year.
    static void closings2006(const TempDatabase &db)
    {
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        // The new database has 2006 active and 31 December 2005 closed.
        exec(db, "INSERT INTO \"Munkaev\" (\"MunkaEv\", \"AktivEv\") VALUES ('2005', FALSE)");
        exec(db,
            "INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES ('2006-01-31', 'Havi zárás', 'anna'), "
            "('2006-03-31', 'Havi zárás', 'anna'), ('2006-02-28', 'Havi zárás', 'anna')");
    }

private slots:
    void cleanupTestCase() { m_shared.clear(); }

    void openingCarriesEveryStockRowIntoOpeningRows_data() { TestEngines::addRows(); }
    void openingCarriesEveryStockRowIntoOpeningRows()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2006, 6, 1), engine);
        closed2006(db);
        Run run(db);
        run.prompts.addYearText("2007");

        QVERIFY(run.read(QDate(2007, 1, 3)));

        QCOMPARE(run.prompts.askedYearMessages, QStringList {WorkYear::noActiveYearText() + "|2007"});
        QCOMPARE(run.prompts.openingMessages,
            QStringList {
                "A 2007. év nyitása megtörtént.\r2006. évi készletből a nyitótétel átfordítása folyamatban..."});
        QCOMPARE(run.messenger.shown().size(), 1);
        QCOMPARE(run.messenger.last().caption, QString("Információ"));
        QCOMPARE(run.messenger.last().symbol, 3);
        QCOMPARE(run.messenger.last().text,
            QString(
                "Az aktív év sikeresen be lett állítva, és elkészültek az új nyitótételek. Dolgozhat a programban."));
        QVERIFY(!run.messenger.progressTexts().isEmpty());
        QVERIFY(!run.messenger.progressVisible());

        QCOMPARE(run.settings.munkaEv(), QString("2007"));
        QCOMPARE(run.settings.lezartHoDat(), QDate(2006, 12, 31));
        QCOMPARE(run.settings.lezartHo(), QString("2006. december"));
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Munkaev\" WHERE \"MunkaEv\" = '2007' AND \"AktivEv\" = TRUE"), 1);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Munkaev\" WHERE \"AktivEv\" = TRUE"), 1);

        QSqlQuery query(db.warehouse(1));
        QVERIFY(query.exec("SELECT \"Mozgnem\", \"BK\", \"BizSzam\", \"Datum\", \"NyilvSzam\", \"FokSzla\", \"TetelMenny\", \"TetelErtek\", "
                           "\"KeszletMenny\", \"KeszletErtek\", \"KiAr\", \"BeAr\", \"AfaErtek\", \"Brutto\", \"AfaKod\", \"PartAzon\", \"User\", "
                           "\"Stat\", \"Sorszam\", \"Lejarat\" FROM \"Raktar\" WHERE \"Mozgnem\" = '00' ORDER BY \"RaktAzon\""));
        struct Expected
        {
            QString fok, nyilv;
            double menny, ertek, ar, afa, brutto;
        };
        // The stock at 31 December 2006 in material key order, whatever the stock list holds; money to
        // four decimals, halves to even (5100.1234 / 25.5 = 200.00484).
        const QList<Expected> expected = {
            {"100", "0001", 3.125, 937.5, 300, 253.125, 1190.625},
            {"100", "0002", 0, 0, 0, 0, 0},
            {"200", "0001", 25.5, 5100.1234, 200.0048, 1377.0333, 6477.1567},
        };
        for (const Expected &row : expected) {
            QVERIFY(query.next());
            QCOMPARE(query.value("Mozgnem").toString(), QString("00"));
            QCOMPARE(query.value("BK").toString(), QString("BE"));
            QCOMPARE(query.value("BizSzam").toString(), QString("00000000"));
            QCOMPARE(query.value("Datum").toString(), QString("2007-01-01"));
            QCOMPARE(query.value("FokSzla").toString(), row.fok);
            QCOMPARE(query.value("NyilvSzam").toString(), row.nyilv);
            QCOMPARE(query.value("TetelMenny").toDouble(), row.menny);
            QCOMPARE(query.value("KeszletMenny").toDouble(), row.menny);
            QCOMPARE(query.value("TetelErtek").toDouble(), row.ertek);
            QCOMPARE(query.value("KeszletErtek").toDouble(), row.ertek);
            QCOMPARE(query.value("KiAr").toDouble(), row.ar);
            QCOMPARE(query.value("BeAr").toDouble(), row.ar);
            QCOMPARE(query.value("AfaErtek").toDouble(), row.afa);
            QCOMPARE(query.value("Brutto").toDouble(), row.brutto);
            QCOMPARE(query.value("AfaKod").toString(), QString("01"));
            QCOMPARE(query.value("PartAzon").toString(), QString("00001"));
            QCOMPARE(query.value("User").toString(), QString("anna"));
            QCOMPARE(query.value("Stat").toInt(), 0);
            QCOMPARE(query.value("Sorszam").toString(), QString("2007/00000"));
            QVERIFY(query.value("Lejarat").isNull());
        }
        QVERIFY(!query.next());
    }

    void refusedYearsWriteNothing_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("typed");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, the closed year again", qPrintable(engine)) << engine << "2006";
            QTest::addRow("%s, an older year", qPrintable(engine)) << engine << "2005";
            QTest::addRow("%s, above 2098", qPrintable(engine)) << engine << "2099";
            QTest::addRow("%s, three digits", qPrintable(engine)) << engine << "200";
            QTest::addRow("%s, below 2001", qPrintable(engine)) << engine << "2000";
            QTest::addRow("%s, letters", qPrintable(engine)) << engine << "abc";
            QTest::addRow("%s, empty", qPrintable(engine)) << engine << "";
            QTest::addRow("%s, a fraction", qPrintable(engine)) << engine << "20.7";
        }
    }
    void refusedYearsWriteNothing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, engine);
        // Nothing is written, so the cases share one database.
        const TempDatabase &db = sharedDatabase(QStringLiteral("closed 2006"), engine, closed2006);
        Run run(db);
        run.prompts.addYearText(typed);

        // The script ends after the refusal: the dialog would stay open, so no year comes of it.
        QVERIFY(!run.read(QDate(2007, 1, 3)));

        QCOMPARE(run.messenger.texts(), refusal());
        QCOMPARE(run.messenger.last().caption, QString("HIBA!"));
        QCOMPARE(run.messenger.last().symbol, 2);
        QCOMPARE(run.messenger.last().buttons, QStringList {"OK"});
        QVERIFY(run.prompts.openingMessages.isEmpty());
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Munkaev\""), 2);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Munkaev\" WHERE \"AktivEv\" = TRUE"), 0);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Raktar\" WHERE \"Mozgnem\" = '00'"), 0);
    }

    void refusalKeepsAskingUntilAValidYear_data() { TestEngines::addRows(); }
    void refusalKeepsAskingUntilAValidYear()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2006, 6, 1), engine);
        closed2006(db);
        Run run(db);
        run.prompts.addYearText("2006");
        run.prompts.addYearText("2099");
        run.prompts.addYearText("2007");

        QVERIFY(run.read(QDate(2007, 1, 3)));
        QCOMPARE(run.messenger.texts().mid(0, 2), refusal() + refusal());
        QCOMPARE(run.prompts.acceptedYearTexts, QStringList {"2007"});
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Raktar\" WHERE \"Mozgnem\" = '00'"), 3);
    }

    // A database with no year recorded at all accepts any year of the allowed range.
    void emptyYearTableAcceptsTheAllowedRange_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, 2001", qPrintable(engine)) << engine << "2001" << true;
            QTest::addRow("%s, 2098", qPrintable(engine)) << engine << "2098" << true;
            QTest::addRow("%s, 2000", qPrintable(engine)) << engine << "2000" << false;
            QTest::addRow("%s, 2099", qPrintable(engine)) << engine << "2099" << false;
        }
    }
    void emptyYearTableAcceptsTheAllowedRange()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, engine);
        TempDatabase db(QDate(2006, 6, 1), engine);
        exec(db, "DELETE FROM \"Munkaev\"");
        exec(db, "DELETE FROM \"Napizaras\"");
        YearOpening opening(db.warehouse(1));
        QCOMPARE(opening.lastYear(), 0);
        const Checked<int> checked = opening.check(typed);
        QCOMPARE(checked.ok(), accepted);
        QCOMPARE(checked.value, accepted ? typed.toInt() : 0);
        if (!accepted)
            QCOMPARE(checked.refusal.text,
                QString("A beírt dátum hibás! Régebbi, vagy azonos a már lezárt évvel, vagy a formátuma hibás!"));

        Run run(db);
        run.prompts.addYearText(typed);
        QCOMPARE(run.read(QDate(2007, 1, 3)), accepted);
        if (accepted) {
            QCOMPARE(run.messenger.texts(), QStringList {YearOpening::successText()});
            QVERIFY(run.prompts.openingMessages.first().contains(QString::number(typed.toInt() - 1) + ". évi"));
            // No closing recorded: the year before the work year counts as closed.
            QCOMPARE(run.settings.lezartHoDat(), QDate(typed.toInt() - 1, 12, 31));
        }
    }

    // Another copy opened the year between the question and the write: nothing is written twice,
    // and this copy works in the year the other one opened.
    void yearOpenedMeanwhileIsNotOpenedTwice_data() { TestEngines::addRows(); }
    void yearOpenedMeanwhileIsNotOpenedTwice()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2006, 6, 1), engine);
        closed2006(db);
        YearOpening opening(db.warehouse(1));
        QCOMPARE(opening.check("2007").value, 2007);
        exec(db, "INSERT INTO \"Munkaev\" (\"MunkaEv\", \"AktivEv\") VALUES ('2007', TRUE)");

        ScriptedMessenger messenger;
        const Checked<int> written = opening.open(2007, "anna", messenger);
        QVERIFY(YearOpening::isOpenedElsewhere(written.refusal));
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Munkaev\""), 3);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Raktar\" WHERE \"Mozgnem\" = '00'"), 0);
    }

    // A write that fails midway takes everything back, the new year row included.
    void failedOpeningLeavesNothingBehind_data() { TestEngines::addRows(); }
    void failedOpeningLeavesNothingBehind()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2006, 6, 1), engine);
        closed2006(db);
        if (db.isServer()) {
            exec(db,
                "CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                "IF NEW.\"FokSzla\" = '200' THEN RAISE EXCEPTION 'lemez megtelt'; END IF; RETURN NEW; END $$");
            exec(db, "CREATE TRIGGER refuse AFTER INSERT ON \"Raktar\" FOR EACH ROW EXECUTE FUNCTION refuse()");
        } else {
            exec(db,
                "CREATE TRIGGER refuse AFTER INSERT ON \"Raktar\" WHEN NEW.\"FokSzla\" = '200' "
                "BEGIN SELECT RAISE(ABORT, 'lemez megtelt'); END");
        }
        Run run(db);
        run.prompts.addYearText("2007");

        QVERIFY(!run.read(QDate(2007, 1, 3)));
        QCOMPARE(run.messenger.last().caption, QString("HIBA!"));
        QVERIFY(run.messenger.last().text.startsWith(WriteFailure::failed(QString()).text.section(QLatin1Char('\r'), 0, 0)));
        QVERIFY(run.messenger.last().text.contains("lemez megtelt"));
        QVERIFY(!run.messenger.progressVisible());
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Munkaev\""), 2);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Raktar\" WHERE \"Mozgnem\" = '00'"), 0);
    }

    // A COMMIT that the database refuses (a full disk, a constraint checked at the end) shows the
    // database's reason, and nothing is written.
    void refusedCommitShowsItsReason_data() { TestEngines::addRows(); }
    void refusedCommitShowsItsReason()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2006, 6, 1), engine);
        closed2006(db);
        QString reason;
        if (db.isServer()) {
            // A constraint trigger deferred to the COMMIT.
            exec(db,
                "CREATE FUNCTION full_disk() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                "RAISE EXCEPTION 'lemez megtelt'; END $$");
            exec(db,
                "CREATE CONSTRAINT TRIGGER full_disk AFTER INSERT ON \"Munkaev\" DEFERRABLE INITIALLY DEFERRED "
                "FOR EACH ROW EXECUTE FUNCTION full_disk()");
            reason = "lemez megtelt";
        } else {
            // A foreign key deferred to the COMMIT.
            exec(db, "PRAGMA foreign_keys = ON");
            exec(db, "CREATE TABLE \"Szulo\" (\"Kod\" INTEGER PRIMARY KEY)");
            exec(db,
                "CREATE TABLE \"Zar\" (\"Kod\" INTEGER REFERENCES \"Szulo\" (\"Kod\") DEFERRABLE INITIALLY "
                "DEFERRED)");
            exec(db, "CREATE TRIGGER full_disk AFTER INSERT ON \"Munkaev\" BEGIN INSERT INTO \"Zar\" VALUES (1); END");
            reason = "FOREIGN KEY constraint failed";
        }
        Run run(db);
        run.prompts.addYearText("2007");

        QVERIFY(!run.read(QDate(2007, 1, 3)));
        QCOMPARE(run.messenger.last().caption, QString("HIBA!"));
        // The database's reason follows, in the engine's words.
        QVERIFY2(run.messenger.last().text.startsWith(WriteFailure::failed(QString()).text.section(QLatin1Char('\r'), 0, 0))
                && run.messenger.last().text.contains(reason),
            qPrintable(run.messenger.last().text));
        QVERIFY(!run.messenger.progressVisible());
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Munkaev\""), 2);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Raktar\" WHERE \"Mozgnem\" = '00'"), 0);
        if (!db.isServer())
            exec(db, "PRAGMA foreign_keys = OFF");
    }

    // Two copies of the program on two computers open the year of one warehouse at the same
    // moment: one opening, its opening rows once.
    void twoProcessesOpenTheYearOnce_data() { TestEngines::addRows(); }
    void twoProcessesOpenTheYearOnce()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2006, 6, 1), engine);
        closed2006(db);
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/salvia_open_year");
        QVERIFY2(QFileInfo::exists(program), qPrintable(program));
        std::array<QProcess, 2> copies;
        for (QProcess &copy : copies) {
            copy.start(program, {db.path(), QStringLiteral("1"), QStringLiteral("2007"), QStringLiteral("anna")});
            QVERIFY(copy.waitForStarted());
        }
        // Both have checked the year and wait; then both write at once.
        for (QProcess &copy : copies) {
            QVERIFY(copy.waitForReadyRead(30000));
            QCOMPARE(copy.readLine().trimmed(), QByteArray("ready"));
        }
        for (QProcess &copy : copies)
            copy.write("go\n");
        QStringList answers;
        for (QProcess &copy : copies) {
            QVERIFY(copy.waitForFinished(60000));
            answers << QString::fromUtf8(copy.readAllStandardOutput().trimmed());
            QCOMPARE(copy.exitCode(), 0);
        }
        answers.sort();
        QCOMPARE(answers, (QStringList {"already open", "opened"}));
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Munkaev\" WHERE \"MunkaEv\" = '2007'"), 1);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Raktar\" WHERE \"Mozgnem\" = '00'"), 3);
    }

    void activeYearIsReadWithTheLastClosing_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("year");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("mismatch");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, same as the clock", qPrintable(engine)) << engine << "2006" << QDate(2006, 5, 2) << false;
            QTest::addRow("%s, clock in the next year", qPrintable(engine)) << engine << "2006" << QDate(2007, 1, 2) << true;
            QTest::addRow("%s, clock in an earlier year", qPrintable(engine)) << engine << "2006" << QDate(2005, 12, 30) << true;
        }
    }
    void activeYearIsReadWithTheLastClosing()
    {
        QFETCH(QString, year);
        QFETCH(QDate, today);
        QFETCH(bool, mismatch);
        QFETCH(QString, engine);
        // Reading writes nothing, so the cases share one database.
        const TempDatabase &db = sharedDatabase(QStringLiteral("closings 2006"), engine, closings2006);
        Run run(db);

        QVERIFY(run.read(today));
        QCOMPARE(run.settings.munkaEv(), year);
        QCOMPARE(run.settings.lezartHoDat(), QDate(2006, 3, 31));
        QCOMPARE(run.settings.lezartHo(), QString("2006. március"));
        QVERIFY(run.prompts.askedYearMessages.isEmpty());
        QVERIFY(run.messenger.shown().isEmpty());
        const QStringList expected
            = mismatch ? QStringList {WorkYear::clockMismatchText() + "|" + year} : QStringList();
        QCOMPARE(run.prompts.shownYearMessages, expected);
        QCOMPARE(count(db, "SELECT COUNT(*) FROM \"Munkaev\""), 2);
    }

    void clockMismatchTextIsExact()
    {
        QCOMPARE(WorkYear::clockMismatchText(),
            QString("Figyelem! Az aktív év nem egyezik a gép órájával!\rHa rosszul jár a gép órája kérem állítsa "
                    "be!\rHa nem zárta még le a a tavalyi évet, kérem tegye meg!"));
    }

    void closedMonthText_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("január") << QDate(2007, 1, 31) << "2007. január";
        QTest::newRow("március") << QDate(2006, 3, 31) << "2006. március";
        QTest::newRow("augusztus") << QDate(2006, 8, 31) << "2006. augusztus";
        QTest::newRow("december") << QDate(2006, 12, 31) << "2006. december";
    }
    void closedMonthText()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(WorkYear::closedMonthText(date), text);
    }

    void unreadableWarehouseIsReported_data() { TestEngines::addRows(); }
    void unreadableWarehouseIsReported()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2006, 6, 1), engine);
        exec(db, "DROP TABLE \"Munkaev\"");
        Run run(db);
        QVERIFY(!run.read(QDate(2007, 1, 3)));
        QCOMPARE(run.messenger.last().caption, QString("HIBA!"));
        QVERIFY(run.messenger.last().text.startsWith(WorkYear::readFailureText()));
    }
};

QTEST_GUILESS_MAIN(TestAppWorkYear)
#include "tst_workyear.moc"
