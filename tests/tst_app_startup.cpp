#include "app/Settings.h"
#include "app/StartupSequence.h"
#include "core/ScriptedMessenger.h"
#include "store/Database.h"
#include "support/RecordingMainWindow.h"
#include "support/ScriptedStartupPrompts.h"
#include "support/StartupTestDatabase.h"

#include <QFile>
#include <QSqlQuery>
#include <QtTest>

#include <memory>

// The start-up sequence end to end, with scripted dialogs and a recording main window.
class TestAppStartup : public QObject
{
    Q_OBJECT

    // One program start on a database whose warehouse 2 has 2007 as its active year.
    struct Start
    {
        StartupTestDatabase db;
        QTemporaryDir programDir;
        Settings settings;
        ScriptedMessenger messenger;
        ScriptedStartupPrompts prompts;
        RecordingMainWindow window;
        StartupSequence sequence{settings, messenger, prompts, window};
        QList<int> symbolOffsets;
        int versionChecks = 0;
        int updateChecks = 0;

        explicit Start(int securLevel = 1)
        {
            for (int n = 1; n <= 2; ++n) {
                db.exec(n, "INSERT INTO Munkaev VALUES ('2006', 0), ('2007', 1)");
                db.exec(n, "INSERT INTO Napizaras VALUES ('2007-02-28', 'Havi zárás', 'anna')");
            }
            settings.setDbPath(db.path());
            sequence.setProgramPath(programDir.path());
            sequence.setToday(QDate(2007, 3, 15));
            StartupSequence::Hooks &hooks = sequence.hooks();
            hooks.aliasDirectory = [this](const QString &alias) {
                return alias == "Salvia" ? db.path() : QString();
            };
            hooks.readOwner = [](const QString &, Settings &s) {
                s.setCegNev("Napsugár Óvoda");
                s.setCegIrsz("6720");
                s.setCegVaros("Szeged");
                s.setCegCim("Kossuth u. 5.");
            };
            hooks.checkLogin = [this, securLevel](const LoginInput &input) {
                if (input.userName == "exit")
                    return 3;
                if (input.userName != "anna")
                    return 1;
                if (input.password != "titok")
                    return 2;
                settings.setLoginUser("anna");
                settings.setSecurLevel(securLevel);
                settings.setSecurName("Teljes");
                return 0;
            };
            hooks.setSymbolOffset = [this](int offset) { symbolOffsets << offset; };
            hooks.versionCheck = [this] { ++versionChecks; };
            hooks.updateCheck = [this] { ++updateChecks; };
        }
        void writeIni(const QByteArray &text)
        {
            QFile file(programDir.filePath("salvia.ini"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        QStringList partner00001()
        {
            QSqlQuery query(db.warehouse(2));
            query.exec("SELECT Nev, Irszam, Telepules, Utca FROM Partner WHERE PartAzon = '00001'");
            if (!query.next())
                return {};
            return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                    query.value(3).toString()};
        }
    };

    static QString stopLogin() { return StartupSequence::loginStopText(); }

private slots:
    void successfulStartReachesTheWorkingState_data()
    {
        QTest::addColumn<bool>("partnerPresent");
        QTest::newRow("owner partner missing") << false;
        QTest::newRow("owner partner out of date") << true;
    }
    void successfulStartReachesTheWorkingState()
    {
        QFETCH(bool, partnerPresent);
        Start start;
        if (partnerPresent)
            start.db.exec(2, "INSERT INTO Partner (PartAzon, Nev, Irszam, Telepules, Utca, Telefon) "
                             "VALUES ('00001', 'Régi név', '1111', 'Budapest', 'Fő u. 1.', '(1) 234-5678')");
        start.db.exec(2, "INSERT INTO Partner (PartAzon, Nev) VALUES ('00002', 'Beszállító Kft.')");
        start.prompts.addLogin("anna", "titok");
        start.prompts.setWarehouseAnswer(1);

        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::Working);

        QVERIFY(start.messenger.shown().isEmpty());
        QCOMPARE(start.window.endedWithoutAsking, 0);
        QCOMPARE(start.window.caption, QString("Salvia - [ Napsugár Óvoda ] - 6720 Szeged, Kossuth u. 5."));
        QCOMPARE(start.settings.programPath(), start.programDir.path());
        QCOMPARE(start.settings.dbPath(), start.db.path());
        QCOMPARE(start.prompts.warehouseLists, QList<QStringList>{QStringList({"Konyha", "Büfé"})});
        QCOMPARE(start.settings.aktivRaktar(), 2);
        QCOMPARE(start.settings.aktivRaktarNev(), QString("Büfé"));
        QCOMPARE(start.settings.munkaEv(), QString("2007"));
        QCOMPARE(start.settings.lezartHo(), QString("2007. február"));
        QVERIFY(start.prompts.shownYearMessages.isEmpty());

        // DisaLock is on by default: panel 3 stays empty.
        const QMap<int, QString> panels{{0, "anna"}, {1, "Teljes"}, {2, "Büfé"}};
        QCOMPARE(start.window.panels, panels);
        QCOMPARE(start.window.disabledMenus, QList<int>{7});

        QCOMPARE(start.partner00001(), QStringList({"Napsugár Óvoda", "6720", "Szeged", "Kossuth u. 5."}));
        QCOMPARE(start.db.count(2, "SELECT COUNT(*) FROM Partner"), 2);
        QCOMPARE(start.db.count(2, "SELECT COUNT(*) FROM Partner WHERE PartAzon = '00001' AND "
                                   + QString(partnerPresent ? "Telefon = '(1) 234-5678'" : "Telefon IS NULL")),
                 1);
        // Only the chosen warehouse is touched.
        QCOMPARE(start.db.count(1, "SELECT COUNT(*) FROM Partner"), 0);

        QCOMPARE(start.settings.progVer(), QString("1.0.32.547"));
        QCOMPARE(start.settings.dbMinVer(), QString("1.23"));
        QCOMPARE(start.versionChecks, 1);
        QCOMPARE(start.updateChecks, 1); // VerChk is on by default
        QVERIFY(start.symbolOffsets.isEmpty());

        // The sequence runs once.
        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::AlreadyRan);
        QCOMPARE(start.prompts.loginCalls, 1);
    }

    void loginAttempts_data()
    {
        QTest::addColumn<QStringList>("attempts"); // "user/password"; the script then closes the dialog
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("working");
        QTest::addColumn<int>("dialogs");
        const QString user = StartupSequence::unknownUserText();
        const QString password = StartupSequence::wrongPasswordText();
        QTest::newRow("cancelled at once") << QStringList() << QStringList{stopLogin()} << false << 1;
        QTest::newRow("three failures") << QStringList{"bela/x", "anna/x", "Anna/titok", "anna/titok"}
                                        << QStringList{user, password, user, stopLogin()} << false << 3;
        QTest::newRow("two failures then success") << QStringList{"anna/x", "anna/y", "anna/titok"}
                                                   << QStringList{password, password} << true << 3;
        QTest::newRow("one failure then cancelled") << QStringList{"anna/x"} << QStringList{password, stopLogin()}
                                                    << false << 2;
    }
    void loginAttempts()
    {
        QFETCH(QStringList, attempts);
        QFETCH(QStringList, messages);
        QFETCH(bool, working);
        QFETCH(int, dialogs);
        Start start;
        for (const QString &attempt : attempts)
            start.prompts.addLogin(attempt.section('/', 0, 0), attempt.section('/', 1));

        const auto outcome = start.sequence.run();

        QCOMPARE(start.messenger.texts(), messages);
        QCOMPARE(outcome, working ? StartupSequence::Outcome::Working : StartupSequence::Outcome::LoginFailed);
        for (const ScriptedMessenger::Shown &shown : start.messenger.shown()) {
            QCOMPARE(shown.buttons, QStringList{"OK"});
            if (shown.text == stopLogin()) {
                QCOMPARE(shown.caption, QString("STOP!"));
                QCOMPARE(shown.symbol, 8);
            } else {
                QCOMPARE(shown.caption, QString("HIBA!"));
                QCOMPARE(shown.symbol, 6);
            }
        }
        QCOMPARE(start.window.endedWithoutAsking, working ? 0 : 1);
        // The caption is set before the login; nothing after the login runs when it fails.
        QVERIFY(start.window.caption.startsWith("Salvia - [ "));
        if (!working) {
            QVERIFY(start.prompts.warehouseLists.isEmpty());
            QVERIFY(start.window.panels.isEmpty());
            QCOMPARE(start.versionChecks, 0);
            QCOMPARE(start.db.count(2, "SELECT COUNT(*) FROM Partner"), 0);
        }
        QCOMPARE(start.prompts.loginCalls, dialogs);
    }

    void noWarehouseEndsTheProgram()
    {
        Start start;
        QSqlQuery(start.db.shared()).exec("DELETE FROM raktarak");
        start.prompts.addLogin("anna", "titok");

        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::NoWarehouse);
        QCOMPARE(start.messenger.shown().size(), 1);
        QCOMPARE(start.messenger.last().caption, QString("STOP!"));
        QCOMPARE(start.messenger.last().symbol, 8);
        QCOMPARE(start.messenger.last().text,
                 QString("A kiválasztott raktárat a program egy másik példánya használja! Válasszon másik raktárat, "
                         "vagy próbálja meg később újra. A program biztonsági okból kilép."));
        QCOMPARE(start.settings.aktivRaktar(), 0);
        QCOMPARE(start.window.endedWithoutAsking, 1);
        QVERIFY(start.window.panels.isEmpty());
    }

    void warehouseDialogClosedChoosesTheFirst()
    {
        Start start;
        start.prompts.addLogin("anna", "titok");
        start.prompts.setWarehouseAnswer(-1);
        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::Working);
        QCOMPARE(start.settings.aktivRaktar(), 1);
        QCOMPARE(start.settings.aktivRaktarNev(), QString("Konyha"));
    }

    void menuRightsFollowTheAccessLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("disabled");
        QTest::newRow("1 Teljes") << 1 << QList<int>{7};
        QTest::newRow("2 Adminisztrációs") << 2 << QList<int>{0, 7};
        QTest::newRow("3 Felhasználói") << 3 << QList<int>{0, 1, 4, 5, 7};
        QTest::newRow("5 Superuser") << 5 << QList<int>{};
        QTest::newRow("unknown level") << 4 << QList<int>{0, 1, 4, 5, 7};
    }
    void menuRightsFollowTheAccessLevel()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, disabled);
        Start start(level);
        start.prompts.addLogin("anna", "titok");
        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::Working);
        QCOMPARE(start.window.disabledMenus, disabled);
    }

    void settingsKeysShapeTheStart_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("panel3");
        QTest::addColumn<int>("updateChecks");
        QTest::addColumn<QList<int>>("offsets");
        QTest::newRow("defaults") << QByteArray() << QString() << 1 << QList<int>{};
        QTest::newRow("DisaLock off") << QByteArray("[Mukodes]\r\nDisaLock=0\r\n") << QString::fromUtf8("•") << 1
                                      << QList<int>{};
        QTest::newRow("VerChk off") << QByteArray("[Mukodes]\r\nVerChk=0\r\n") << QString() << 0 << QList<int>{};
        QTest::newRow("Display3D on") << QByteArray("[DialogSettings]\r\nDisplay3D=1\r\n") << QString() << 1
                                      << QList<int>{10};
    }
    void settingsKeysShapeTheStart()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, panel3);
        QFETCH(int, updateChecks);
        QFETCH(QList<int>, offsets);
        Start start;
        start.writeIni(ini);
        start.prompts.addLogin("anna", "titok");
        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::Working);
        QCOMPARE(start.window.panels.value(3), panel3);
        QCOMPARE(start.window.panels.contains(3), !panel3.isEmpty());
        QCOMPARE(start.updateChecks, updateChecks);
        QCOMPARE(start.symbolOffsets, offsets);
    }

    void clockMismatchIsShownAndTheStartGoesOn()
    {
        Start start;
        start.sequence.setToday(QDate(2008, 1, 2));
        start.prompts.addLogin("anna", "titok");
        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::Working);
        QCOMPARE(start.prompts.shownYearMessages.size(), 1);
        QVERIFY(start.prompts.shownYearMessages.first().endsWith("|2007"));
        QCOMPARE(start.settings.munkaEv(), QString("2007"));
    }

    void firstStartCreatesTheDatabaseBeforeTheLogin_data()
    {
        QTest::addColumn<bool>("created");
        QTest::newRow("database created") << true;
        QTest::newRow("dialog closed") << false;
    }
    void firstStartCreatesTheDatabaseBeforeTheLogin()
    {
        QFETCH(bool, created);
        Start start;
        QTemporaryDir fresh;
        start.sequence.hooks().aliasDirectory = [&](const QString &) { return fresh.path(); };
        start.prompts.setCreateDatabase([&](const QString &dbPath) {
            if (!created || dbPath != fresh.path())
                return false;
            StartupTestDatabase::createIn(dbPath, {"Új konyha"});
            QSqlQuery(Database::warehouse(dbPath, 1)).exec("INSERT INTO Munkaev VALUES ('2007', 1)");
            return true;
        });
        start.prompts.addLogin("anna", "titok");

        const auto outcome = start.sequence.run();

        QCOMPARE(start.prompts.createCalls, 1);
        if (created) {
            QCOMPARE(outcome, StartupSequence::Outcome::Working);
            QCOMPARE(start.prompts.loginCalls, 1);
            QCOMPARE(start.settings.aktivRaktarNev(), QString("Új konyha"));
        } else {
            QCOMPARE(outcome, StartupSequence::Outcome::NoDatabase);
            QCOMPARE(start.prompts.loginCalls, 0);
            QCOMPARE(start.window.endedWithoutAsking, 1);
        }
        Database::closeAll(fresh.path());
    }

    void existingDatabaseSkipsTheFirstStartDialog()
    {
        Start start;
        start.prompts.addLogin("anna", "titok");
        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::Working);
        QCOMPARE(start.prompts.createCalls, 0);
    }

    void failedOwnerPartnerWriteWarnsAndGoesOn()
    {
        Start start;
        start.db.exec(2, "DROP TABLE Partner");
        start.prompts.addLogin("anna", "titok");
        start.prompts.setWarehouseAnswer(1);
        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::Working);
        QCOMPARE(start.messenger.shown().size(), 1);
        QCOMPARE(start.messenger.last().caption, QString("Figyelmeztetés"));
        QVERIFY(start.messenger.last().text.startsWith(StartupSequence::ownerPartnerFailureText()));
        QCOMPARE(start.versionChecks, 1);
    }
};

QTEST_GUILESS_MAIN(TestAppStartup)
#include "tst_app_startup.moc"
