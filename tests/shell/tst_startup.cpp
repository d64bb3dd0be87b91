#include "session/EngineConfig.h"
#include "users/LoginTable.h"
#include "session/Settings.h"
#include "shell/StartupSequence.h"
#include "core/PasswordHash.h"
#include "core/ScriptedMessenger.h"
#include "store/Database.h"
#include "store/DatabaseCreator.h"
#include "shell/WarehouseChoice.h"
#include "support/RecordingMainWindow.h"
#include "support/ScriptedStartupPrompts.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// The start-up sequence end to end on a new database, with the real login, engine configuration,
// owner values and version check, scripted dialogs and a recording main window.
class TestAppStartup : public QObject
{
    Q_OBJECT

    // One program start. The database has 2007 as its active year; warehouse 2 has February
    // closed. The user "anna" (password "titok") has the given access level.
    struct Start
    {
        TempDatabase db;
        QTemporaryDir programDir;
        Settings settings;
        ScriptedMessenger messenger;
        ScriptedStartupPrompts prompts;
        RecordingMainWindow window;
        StartupSequence sequence {settings, messenger, prompts, window};
        QList<int> symbolOffsets;
        int updateChecks = 0;
        bool acceptUpdate = false;

        explicit Start(int securLevel = 1, const QString &engine = TestEngines::sqlite())
            : db(QDate(2007, 3, 15), engine)
        {
            QVERIFY2(db.isValid(), qPrintable(db.errorText()));
            exec(2,
                "INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES ('2007-02-28', 'Havi zárás', "
                "'admin')");
            QVERIFY(LoginTable(db.path()).insert({"anna", PasswordHash::hash("titok"), securLevel}));
            EngineConfig config(programDir.path());
            QVERIFY(config.writeValue(EngineConfig::aliasPathEntry("Salvia"), db.path()).ok());
            sequence.setProgramPath(programDir.path());
            sequence.setToday(QDate(2007, 3, 15));
            sequence.hooks().setSymbolOffset = [this](int offset) { symbolOffsets << offset; };
            sequence.hooks().updateCheck = [this] {
                ++updateChecks;
                return acceptUpdate;
            };
        }
        void exec(int warehouse, const QString &sql)
        {
            QSqlQuery query(db.warehouse(warehouse));
            QVERIFY2(query.exec(sql), qPrintable(sql + ": " + query.lastError().text()));
        }
        int count(int warehouse, const QString &sql)
        {
            QSqlQuery query(db.warehouse(warehouse));
            return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
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
            query.exec("SELECT \"Nev\", \"Irszam\", \"Telepules\", \"Utca\" FROM \"Partner\" WHERE \"PartAzon\" = '00001'");
            if (!query.next())
                return {};
            return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toString()};
        }
        // Logs in as anna and chooses warehouse 2.
        StartupSequence::Outcome runAsAnna()
        {
            prompts.addLogin("anna", "titok");
            prompts.setWarehouseAnswer(1);
            return sequence.run();
        }
    };

    static QString stopLogin() { return "Hibás felhasználó azonosítás!\rA program biztonsági okból kilép."; }

    // Overwrites `length` bytes of a closed database file at `offset` with zeros.
    static bool zero(const QString &file, qint64 offset, qint64 length)
    {
        QFile f(file);
        return f.open(QIODevice::ReadWrite) && f.seek(offset) && f.write(QByteArray(length, '\0')) == length;
    }

private slots:
    void successfulStartReachesTheWorkingState_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("partnerBefore"); // SQL that prepares partner 00001
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, owner partner missing", qPrintable(engine))
                << engine << "DELETE FROM \"Partner\" WHERE \"PartAzon\" = '00001'";
            QTest::addRow("%s, owner partner out of date", qPrintable(engine))
                << engine
                << "UPDATE \"Partner\" SET \"Nev\" = 'Régi név', \"Irszam\" = '9999', \"Telepules\" = 'Pécs', "
                   "\"Utca\" = 'Fő u. 1.', \"Telefon\" = '(1) 234-5678' WHERE \"PartAzon\" = '00001'";
        }
    }
    void successfulStartReachesTheWorkingState()
    {
        QFETCH(QString, engine);
        QFETCH(QString, partnerBefore);
        Start start(1, engine);
        start.exec(2, partnerBefore);
        const bool present = partnerBefore.startsWith("UPDATE");

        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::Working);

        QCOMPARE(start.messenger.texts(), QStringList());
        QCOMPARE(start.window.endedWithoutAsking, 0);
        QCOMPARE(start.window.caption, QString("Salvia - [ Teszt Konyha Kft. ] - 1111 Budapest, Fő utca 1."));
        QCOMPARE(start.settings.programPath(), start.programDir.path());
        QCOMPARE(start.settings.dbPath(), start.db.path());
        QCOMPARE(start.prompts.warehouseLists.size(), 1);
        QCOMPARE(start.prompts.warehouseLists.first().size(), 20);
        QCOMPARE(start.prompts.warehouseLists.first().mid(0, 2), QStringList({"1. konyha", "2. konyha"}));
        QCOMPARE(start.settings.aktivRaktar(), 2);
        QCOMPARE(start.settings.aktivRaktarNev(), QString("2. konyha"));
        QCOMPARE(start.settings.munkaEv(), QString("2007"));
        QCOMPARE(start.settings.lezartHoDat(), QDate(2007, 2, 28));
        QCOMPARE(start.settings.lezartHo(), QString("2007. február"));
        QVERIFY(start.prompts.shownYearMessages.isEmpty());
        QVERIFY(start.prompts.askedYearMessages.isEmpty());

        // DisaLock is on by default: panel 3 stays empty.
        const QMap<int, QString> panels {{0, "anna"}, {1, "Teljes"}, {2, "2. konyha"}};
        QCOMPARE(start.window.panels, panels);
        QCOMPARE(start.window.disabledMenus, QList<int> {7});

        QCOMPARE(start.partner00001(), QStringList({"Teszt Konyha Kft.", "1111", "Budapest", "Fő utca 1."}));
        QCOMPARE(start.count(2, "SELECT COUNT(*) FROM \"Partner\" WHERE \"PartAzon\" = '00001'"), 1);
        // An edit keeps the partner's other fields.
        QCOMPARE(start.count(2,
                     "SELECT COUNT(*) FROM \"Partner\" WHERE \"PartAzon\" = '00001' AND \"Telefon\" = '(1) 234-5678'"),
            present ? 1 : 0);

        QCOMPARE(start.settings.progVer(), QString("1.0.32.547"));
        QCOMPARE(start.settings.dbMinVer(), QString("1.23"));
        QCOMPARE(start.updateChecks, 1); // VerChk is on by default
        QVERIFY(start.symbolOffsets.isEmpty());

        // The sequence runs once.
        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::AlreadyRan);
        QCOMPARE(start.prompts.loginCalls, 1);
    }

    void loginAttempts_data()
    {
        QTest::addColumn<QStringList>("attempts"); // "user/password"; then the script closes the dialog
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("dialogs");
        const QString user = "Hibás felhasználónév!";
        const QString password = "Hibás jelszó!";
        QTest::newRow("cancelled at once") << QStringList() << QStringList {stopLogin()} << 1;
        QTest::newRow("three failures") << QStringList {"bela/x", "anna/x", "Anna/titok", "anna/titok"}
                                        << QStringList {user, password, user, stopLogin()} << 3;
        QTest::newRow("two failures then success")
            << QStringList {"anna/x", "anna/", "anna/titok"} << QStringList {password, password} << 3;
        QTest::newRow("one failure then cancelled")
            << QStringList {"anna/x"} << QStringList {password, stopLogin()} << 2;
        QTest::newRow("a user named exit") << QStringList {"exit/titok"} << QStringList {stopLogin()} << 1;
    }
    void loginAttempts()
    {
        QFETCH(QStringList, attempts);
        QFETCH(QStringList, messages);
        QFETCH(int, dialogs);
        Start start;
        for (const QString &attempt : attempts)
            start.prompts.addLogin(attempt.section('/', 0, 0), attempt.section('/', 1));
        const bool working = !messages.contains(stopLogin());

        const auto outcome = start.sequence.run();

        QCOMPARE(start.messenger.texts(), messages);
        QCOMPARE(outcome, working ? StartupSequence::Outcome::Working : StartupSequence::Outcome::LoginFailed);
        for (const ScriptedMessenger::Shown &shown : start.messenger.shown()) {
            QCOMPARE(shown.buttons, QStringList {"OK"});
            QCOMPARE(shown.caption, QString(shown.text == stopLogin() ? "STOP!" : "HIBA!"));
            QCOMPARE(shown.symbol, shown.text == stopLogin() ? 8 : 6);
        }
        QCOMPARE(start.prompts.loginCalls, dialogs);
        QCOMPARE(start.window.endedWithoutAsking, working ? 0 : 1);
        // The caption comes before the login; nothing after a failed login runs.
        QVERIFY(start.window.caption.startsWith("Salvia - [ Teszt Konyha Kft. ]"));
        if (!working) {
            QVERIFY(start.prompts.warehouseLists.isEmpty());
            QVERIFY(start.window.panels.isEmpty());
            QVERIFY(start.window.disabledMenus.isEmpty());
            QCOMPARE(start.updateChecks, 0);
            QVERIFY(start.settings.loginUser().isEmpty());
        }
    }

    void noWarehouseEndsTheProgram()
    {
        Start start;
        QVERIFY(QSqlQuery(start.db.shared()).exec("DELETE FROM raktarak"));

        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::NoWarehouse);
        QCOMPARE(start.messenger.shown().size(), 1);
        QCOMPARE(start.messenger.last().caption, QString("STOP!"));
        QCOMPARE(start.messenger.last().symbol, 8);
        QCOMPARE(start.messenger.last().buttons, QStringList {"OK"});
        QCOMPARE(start.messenger.last().text,
            QString("A kiválasztott raktárat a program egy másik példánya használja! Válasszon másik raktárat, "
                    "vagy próbálja meg később újra. A program biztonsági okból kilép."));
        QCOMPARE(start.settings.aktivRaktar(), 0);
        QCOMPARE(start.window.endedWithoutAsking, 1);
        QVERIFY(start.window.panels.isEmpty());
        QCOMPARE(start.updateChecks, 0);
    }

    void warehouseDialogClosedChoosesTheFirst()
    {
        Start start;
        start.prompts.addLogin("anna", "titok");
        start.prompts.setWarehouseAnswer(-1);
        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::Working);
        QCOMPARE(start.settings.aktivRaktar(), 1);
        QCOMPARE(start.settings.aktivRaktarNev(), QString("1. konyha"));
        QCOMPARE(start.window.panels.value(2), QString("1. konyha"));
    }

    void menuRightsFollowTheAccessLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("disabled");
        QTest::newRow("1") << 1 << "Teljes" << QList<int> {7};
        QTest::newRow("2") << 2 << "Adminisztrációs" << QList<int> {0, 7};
        // Feldolgozás (2), Lekérdezés (3), Súgó (8), A La Carte (9) and Kilépés (10) stay usable.
        QTest::newRow("3") << 3 << "Felhasználói" << QList<int> {0, 1, 4, 5, 7};
        QTest::newRow("5") << 5 << "Superuser" << QList<int> {};
    }
    void menuRightsFollowTheAccessLevel()
    {
        QFETCH(int, level);
        QFETCH(QString, name);
        QFETCH(QList<int>, disabled);
        Start start(level);
        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::Working);
        QCOMPARE(start.window.disabledMenus, disabled);
        QCOMPARE(start.window.panels.value(1), name);
    }

    void settingsKeysShapeTheStart_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("panel3");
        QTest::addColumn<int>("updateChecks");
        QTest::addColumn<QList<int>>("offsets");
        QTest::newRow("defaults") << QByteArray() << QString() << 1 << QList<int> {};
        QTest::newRow("DisaLock off") << QByteArray("[Mukodes]\r\nDisaLock=0\r\n") << QString::fromUtf8("•") << 1
                                      << QList<int> {};
        QTest::newRow("VerChk off") << QByteArray("[Mukodes]\r\nVerChk=0\r\n") << QString() << 0 << QList<int> {};
        QTest::newRow("Display3D on") << QByteArray("[DialogSettings]\r\nDisplay3D=1\r\n") << QString() << 1
                                      << QList<int> {10};
    }
    void settingsKeysShapeTheStart()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, panel3);
        QFETCH(int, updateChecks);
        QFETCH(QList<int>, offsets);
        Start start;
        start.writeIni(ini);
        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::Working);
        QCOMPARE(start.window.panels.value(3), panel3);
        QCOMPARE(start.window.panels.contains(3), !panel3.isEmpty());
        QCOMPARE(start.updateChecks, updateChecks);
        QCOMPARE(start.symbolOffsets, offsets);
    }

    void acceptedUpdateEndsTheProgram()
    {
        Start start;
        start.acceptUpdate = true;
        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::UpdateAccepted);
        QCOMPARE(start.window.endedWithoutAsking, 1);
    }

    void oldWarehouseVersionOnlyWarns()
    {
        Start start;
        QFile file(Database::versionFile(start.db.path(), 3));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("1.22\r\n");
        file.close();

        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::Working);
        QCOMPARE(start.messenger.shown().size(), 1);
        QCOMPARE(start.messenger.last().caption, QString("Figyelmeztetés"));
        QVERIFY(start.messenger.last().text.contains("Régi verzió: 3, "));
        QCOMPARE(start.updateChecks, 1);
    }

    void clockMismatchIsShownAndTheStartGoesOn()
    {
        Start start;
        start.sequence.setToday(QDate(2008, 1, 2));
        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::Working);
        QCOMPARE(start.prompts.shownYearMessages.size(), 1);
        QVERIFY(start.prompts.shownYearMessages.first().endsWith("|2007"));
        QCOMPARE(start.settings.munkaEv(), QString("2007"));
    }

    // After a year closing the start opens the new year before the status line is filled.
    void closedYearIsOpenedDuringTheStart()
    {
        Start start;
        start.exec(2, "UPDATE Munkaev SET AktivEv = 0");
        start.prompts.addYearText("2008");
        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::Working);
        QCOMPARE(start.settings.munkaEv(), QString("2008"));
        QCOMPARE(start.count(2, "SELECT COUNT(*) FROM Munkaev WHERE MunkaEv = '2008' AND AktivEv = 1"), 1);
        QCOMPARE(start.messenger.texts().size(), 1); // the opening's information message
    }

    void unreadableWorkYearEndsTheProgram()
    {
        Start start;
        start.exec(2, "DROP TABLE Munkaev");
        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::NoWorkYear);
        QCOMPARE(start.messenger.last().caption, QString("HIBA!"));
        QCOMPARE(start.window.endedWithoutAsking, 1);
        QVERIFY(start.window.panels.isEmpty());
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
        const QString dbPath = fresh.filePath("uj");
        QVERIFY(EngineConfig(start.programDir.path()).writeValue(EngineConfig::aliasPathEntry("Salvia"), dbPath).ok());
        start.prompts.setCreateDatabase([&](const QString &dir) {
            if (!created || dir != dbPath)
                return false;
            DatabaseCreator::Input input = TempDatabase::input();
            input.cegNev = "Új Intézmény";
            return DatabaseCreator::create(dir, input, QDate(2007, 3, 15)).ok();
        });
        start.prompts.addLogin(TempDatabase::userName(), TempDatabase::password());

        const auto outcome = start.sequence.run();

        QCOMPARE(start.prompts.createCalls, 1);
        if (created) {
            QCOMPARE(outcome, StartupSequence::Outcome::Working);
            QCOMPARE(start.prompts.loginCalls, 1);
            QCOMPARE(start.settings.dbPath(), dbPath);
            QVERIFY(start.window.caption.startsWith("Salvia - [ Új Intézmény ]"));
            QCOMPARE(start.window.disabledMenus, QList<int> {}); // the superuser
        } else {
            QCOMPARE(outcome, StartupSequence::Outcome::NoDatabase);
            QCOMPARE(start.prompts.loginCalls, 0);
            QCOMPARE(start.window.endedWithoutAsking, 1);
        }
        Database::closeAll(dbPath);
    }

    // A directory with warehouse folders but no shared tables is the remains of a creation that
    // did not finish: it is not offered for a new database (that would be refused), cannot be
    // logged in to, and the message says what is missing.
    void brokenDatabaseEndsTheProgramWithAMessage()
    {
        Start start;
        QTemporaryDir broken;
        QVERIFY(QDir(broken.path()).mkpath("Raktar_1"));
        QStringList missing {"shared.sqlite"};
        for (int n = 1; n <= 20; ++n)
            missing << QStringLiteral("Raktar_%1").arg(n);
        QVERIFY(EngineConfig(start.programDir.path())
                    .writeValue(EngineConfig::aliasPathEntry("Salvia"), broken.path())
                    .ok());
        start.prompts.addLogin("anna", "titok");

        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::NoDatabase);
        QCOMPARE(start.prompts.createCalls, 0);
        QCOMPARE(start.prompts.loginCalls, 0);
        QCOMPARE(start.messenger.texts(),
            QStringList {"Az adatbázis hiányos, a program nem indítható:\r" + broken.path() + "\rHiányzik: "
                + missing.join(", ") + "\rÁllítsa vissza a hiányzó részt egy biztonsági mentésből."});
        QCOMPARE(start.messenger.last().caption, QString("HIBA!"));
        QCOMPARE(start.window.endedWithoutAsking, 1);
    }

    // Something that is not our database at all (the predecessor's tables) still cannot be
    // logged in to.
    void foreignTablesEndTheProgramWithAMessage()
    {
        Start start;
        QTemporaryDir foreign;
        QFile table(foreign.filePath("RAKTARAK.DB"));
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.close();
        QVERIFY(EngineConfig(start.programDir.path())
                    .writeValue(EngineConfig::aliasPathEntry("Salvia"), foreign.path())
                    .ok());
        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::NoDatabase);
        QCOMPARE(start.prompts.createCalls, 0);
        QCOMPARE(start.messenger.texts(), QStringList {StartupSequence::noDatabaseText() + foreign.path()});
    }

    // A server that cannot be reached ends the start with its name and libpq's reason; a new
    // database is never offered over it.
    void unreachableServerEndsTheStart()
    {
        Start start;
        const QString uri = "postgresql://konyha@/salvia?host=/nincs/ilyen/mappa&port=5999";
        QVERIFY(EngineConfig(start.programDir.path()).writeValue(EngineConfig::aliasPathEntry("Salvia"), uri).ok());
        start.prompts.addLogin("anna", "titok");

        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::NoDatabase);
        QCOMPARE(start.prompts.createCalls, 0);
        QCOMPARE(start.prompts.loginCalls, 0);
        QCOMPARE(start.messenger.shown().size(), 1);
        QCOMPARE(start.messenger.last().caption, QString("HIBA!"));
        const QString text = start.messenger.last().text;
        QVERIFY2(text.startsWith("Az adatbázis-kiszolgáló nem érhető el, a program nem indítható:\r"
                                 "/nincs/ilyen/mappa:5999/salvia\r"),
            qPrintable(text));
        // libpq's own words about the socket it could not reach follow.
        QVERIFY2(text.contains("/nincs/ilyen/mappa/.s.PGSQL.5999"), qPrintable(text));
        QCOMPARE(start.window.endedWithoutAsking, 1);
    }

    void existingDatabaseSkipsTheFirstStartDialog()
    {
        Start start;
        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::Working);
        QCOMPARE(start.prompts.createCalls, 0);
    }

    // A warehouse folder lost from a database that was whole: the start names it, never advises
    // deleting anything, and lets the user work in the whole warehouses; the lost one cannot be
    // chosen.
    void missingWarehouseFolderLeavesTheOthersUsable_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("refusedChoices");
        QTest::newRow("a whole warehouse chosen") << 1 << 2 << 0;
        QTest::newRow("the missing one chosen every time") << 2 << 1 << 3;
    }
    void missingWarehouseFolderLeavesTheOthersUsable()
    {
        QFETCH(int, answer);
        QFETCH(int, chosen);
        QFETCH(int, refusedChoices);
        Start start;
        Database::closeAll(start.db.path());
        QVERIFY(QDir(Database::warehouseFolder(start.db.path(), 3)).removeRecursively());
        start.prompts.addLogin("anna", "titok");
        start.prompts.setWarehouseAnswer(answer);

        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::Working);
        QCOMPARE(start.settings.aktivRaktar(), chosen);
        QStringList expected {DatabaseCreator::missingWarehousesText(start.db.path(), "Raktar_3")};
        for (int n = 0; n < refusedChoices; ++n)
            expected << WarehouseChoice::missingText("3. konyha");
        expected << "Az adatbázist frissíteni kell a megfelelő működéshez!\rNincs verzióinfó: 3,  raktár\r"
                    "Futtasson le egy programfrissítést (upgrade)!";
        QCOMPARE(start.messenger.texts(), expected);
        QCOMPARE(start.messenger.shown().first().caption, QString("Figyelmeztetés"));
        QCOMPARE(start.window.endedWithoutAsking, 0);
    }

    // A shared.sqlite that cannot be read is said as such, with its cause, instead of a wrong
    // user name; nobody is asked to log in.
    void unreadableSharedFileIsSaid_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("cause");
        QTest::newRow("truncated") << "truncated" << "az adatbázisfájl sérült";
        QTest::newRow("header damaged") << "header" << "az adatbázisfájl fejléce sérült, vagy a fájl nem adatbázis";
        QTest::newRow("emptied") << "empty" << "hiányzik egy tábla az adatbázisból";
    }
    void unreadableSharedFileIsSaid()
    {
        QFETCH(QString, damage);
        QFETCH(QString, cause);
        Start start;
        Database::closeAll(start.db.path());
        const QString file = Database::sharedFile(start.db.path());
        QFile shared(file);
        if (damage == "truncated")
            QVERIFY(shared.resize(shared.size() / 2));
        else if (damage == "header")
            QVERIFY(zero(file, 0, 100));
        else
            QVERIFY(shared.resize(0));
        start.prompts.addLogin("anna", "titok");

        QCOMPARE(start.sequence.run(), StartupSequence::Outcome::LoginFailed);
        QCOMPARE(start.messenger.texts(),
            QStringList {"Az adatbázis nem olvasható, a program nem indítható:\r" + QDir::toNativeSeparators(file)
                + "\rOka: " + cause + "."});
        QCOMPARE(start.messenger.last().caption, QString("HIBA!"));
        QCOMPARE(start.prompts.loginCalls, 0);
        QCOMPARE(start.window.endedWithoutAsking, 1);
    }

    // A warehouse file with a damaged page is found when it is opened: the start says so and goes
    // on, and nothing is written into it (not even the owner partner).
    void damagedWarehouseIsSaidAndNotWritten()
    {
        Start start;
        start.exec(2, "DELETE FROM \"Partner\" WHERE \"PartAzon\" = '00001'");
        QSqlQuery root(start.db.warehouse(2));
        QVERIFY(root.exec("SELECT rootpage FROM sqlite_master WHERE name = 'Veszteseg'") && root.next());
        const qint64 page = root.value(0).toLongLong();
        QVERIFY(root.exec("PRAGMA page_size") && root.next());
        const qint64 pageSize = root.value(0).toLongLong();
        root = QSqlQuery();
        Database::closeAll(start.db.path());
        QVERIFY(zero(Database::warehouseFile(start.db.path(), 2), (page - 1) * pageSize, pageSize));

        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::Working);
        QCOMPARE(start.messenger.texts(),
            QStringList {"A kiválasztott raktár adatbázisa sérült, ebbe a raktárba a javításig nem lehet írni!\r"
                         "Oka: az adatbázisfájl sérült, futtassa le az adatbázis javítását (Egyebek -> Adatbázis "
                         "javító)."});
        QCOMPARE(start.count(2, "SELECT COUNT(*) FROM \"Partner\" WHERE \"PartAzon\" = '00001'"), 0);
    }

    void failedOwnerPartnerWriteWarnsAndGoesOn()
    {
        Start start;
        start.exec(2, "DROP TABLE Partner");
        QCOMPARE(start.runAsAnna(), StartupSequence::Outcome::Working);
        QCOMPARE(start.messenger.shown().size(), 1);
        QCOMPARE(start.messenger.last().caption, QString("Figyelmeztetés"));
        QVERIFY(start.messenger.last().text.startsWith(
            QStringLiteral("A tulajdonos partner (00001) adatai nem írhatók a raktár partnerei közé!\r")));
        QCOMPARE(start.updateChecks, 1);
    }
};

QTEST_GUILESS_MAIN(TestAppStartup)
#include "tst_startup.moc"
