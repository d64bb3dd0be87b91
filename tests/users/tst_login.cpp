#include "users/Login.h"
#include "session/Settings.h"
#include "users/UserAdmin.h"
#include "core/PasswordHash.h"
#include "core/ScriptedMessenger.h"
#include "store/Database.h"
#include "support/LoginFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QProcess>
#include <QQueue>
#include <QSqlQuery>
#include <QtTest>
#include <array>

Q_DECLARE_METATYPE(Login::Result)

namespace {

// Users of every level; "Kati" and "kati" are two users.
void addUsers(LoginFixture &db)
{
    db.addUser(QStringLiteral("admin"), QStringLiteral("titok"), 5);
    db.addUser(QStringLiteral("Kati"), QStringLiteral("alma"), 1);
    db.addUser(QStringLiteral("kati"), QStringLiteral("korte"), 3);
    db.addUser(QStringLiteral("Bela"), QStringLiteral("szilva"), 2);
    db.addUser(QStringLiteral("exit"), QStringLiteral("exit"), 1);
}

// "caption|symbol|text|buttons" of every message shown.
QStringList messages(const ScriptedMessenger &messenger)
{
    QStringList result;
    for (const ScriptedMessenger::Shown &shown : messenger.shown())
        result << shown.caption + QLatin1Char('|') + QString::number(shown.symbol) + QLatin1Char('|') + shown.text
                + QLatin1Char('|') + shown.buttons.join(QLatin1Char(','));
    return result;
}

QString message(const QString &caption, int symbol, const QString &text, const QString &buttons = QStringLiteral("OK"))
{
    return caption + QLatin1Char('|') + QString::number(symbol) + QLatin1Char('|') + text + QLatin1Char('|') + buttons;
}

QString message(const Refusal &refusal)
{
    return message(refusal.caption, refusal.symbol, refusal.text);
}

const QString Stop = message(
    QStringLiteral("STOP!"), 8, QStringLiteral("Hibás felhasználó azonosítás!\rA program biztonsági okból kilép."));
const QString BadName = message(QStringLiteral("HIBA!"), 6, QStringLiteral("Hibás felhasználónév!"));
const QString BadPassword = message(QStringLiteral("HIBA!"), 6, QStringLiteral("Hibás jelszó!"));
const QString PasswordChanged = message(QStringLiteral("Információ"), 3,
    QStringLiteral("A jelszót megváltoztattam.\rKérem jegyezze meg jól, mert elvesztése\resetén nincs mód a "
                   "visszanyerésére!"));

QString deleteQuestion(const QString &name)
{
    return message(QStringLiteral("Megerősítés"), 1,
        QStringLiteral("Valóban törli a ") + name
            + QStringLiteral(" felhasználót?\rHa a saját azonosítóját törli kizárja a rendszer!"),
        QStringLiteral("Igen,Nem"));
}

} // namespace

class TestAppLogin : public QObject
{
    Q_OBJECT
private slots:
    void check_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<Login::Result>("result");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("levelName");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, full level", qPrintable(engine)) << engine << "Kati"
                                        << "alma" << Login::Success << 1 << "Teljes";
            QTest::addRow("%s, administration", qPrintable(engine)) << engine << "Bela"
                                            << "szilva" << Login::Success << 2 << "Adminisztrációs";
            QTest::addRow("%s, lower-case twin", qPrintable(engine)) << engine << "kati"
                                             << "korte" << Login::Success << 3 << "Felhasználói";
            QTest::addRow("%s, superuser", qPrintable(engine)) << engine << "admin"
                                       << "titok" << Login::Success << 5 << "Superuser";
            QTest::addRow("%s, twin's password", qPrintable(engine)) << engine << "Kati"
                                             << "korte" << Login::WrongPassword << 0 << "";
            QTest::addRow("%s, other case", qPrintable(engine)) << engine << "KATI"
                                        << "alma" << Login::UnknownUser << 0 << "";
            QTest::addRow("%s, unknown", qPrintable(engine)) << engine << "Senki"
                                     << "alma" << Login::UnknownUser << 0 << "";
            QTest::addRow("%s, empty name", qPrintable(engine)) << engine << ""
                                        << "" << Login::UnknownUser << 0 << "";
            QTest::addRow("%s, wrong password", qPrintable(engine)) << engine << "Bela"
                                            << "Szilva" << Login::WrongPassword << 0 << "";
            QTest::addRow("%s, empty password", qPrintable(engine)) << engine << "Bela"
                                            << "" << Login::WrongPassword << 0 << "";
            QTest::addRow("%s, user named exit", qPrintable(engine)) << engine << "exit"
                                             << "exit" << Login::Cancelled << 0 << "";
        }
    }
    void check()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(Login::Result, result);
        QFETCH(int, level);
        QFETCH(QString, levelName);
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        Settings settings;
        QCOMPARE(Login::check(db.dbPath(), LoginEntry {name, password}, settings), result);
        QCOMPARE(settings.loginUser(), result == Login::Success ? name : QString());
        QCOMPARE(settings.securLevel(), level);
        QCOMPARE(settings.securName(), levelName);
    }

    void run_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QStringList>("entries"); // "name/password" per dialog
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<QStringList>("shown");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, first try", qPrintable(engine)) << engine << QStringList {"Kati/alma"} << true << 1 << QStringList();
            QTest::addRow("%s, two failures, then right", qPrintable(engine)) << engine << QStringList {"Kati/korte", "Katalin/alma", "Kati/alma"} << true
                                                      << 3 << QStringList {BadPassword, BadName};
            QTest::addRow("%s, three failures", qPrintable(engine)) << engine << QStringList {"Kati/x", "Kati/y", "Kati/z", "Kati/alma"} << false << 3
                                            << QStringList {BadPassword, BadPassword, BadPassword, Stop};
            QTest::addRow("%s, cancelled at once", qPrintable(engine)) << engine << QStringList {"exit/", "Kati/alma"} << false << 1 << QStringList {Stop};
            QTest::addRow("%s, failure, then cancelled", qPrintable(engine)) << engine
                << QStringList {"Senki/alma", "exit/"} << false << 2 << QStringList {BadName, Stop};
        }
    }
    void run()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, loggedIn);
        QFETCH(int, dialogs);
        QFETCH(QStringList, shown);
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        Settings settings;
        ScriptedMessenger messenger;
        QQueue<QString> queue(entries);
        int asked = 0;
        const auto ask = [&] {
            ++asked;
            const QStringList parts = queue.dequeue().split(QLatin1Char('/'));
            return LoginEntry {parts.at(0), parts.at(1)};
        };
        QCOMPARE(Login::run(ask, messenger, db.dbPath(), settings), loggedIn);
        QCOMPARE(asked, dialogs);
        QCOMPARE(messages(messenger), shown);
        QCOMPARE(settings.loginUser(), loggedIn ? QStringLiteral("Kati") : QString());
    }

    // The superuser of a newly created database can log in.
    void createdDatabaseSuperuser_data() { TestEngines::addRows(); }
    void createdDatabaseSuperuser()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate::currentDate(), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        Settings settings;
        QCOMPARE(
            Login::check(db.path(), {TempDatabase::userName(), TempDatabase::password()}, settings), Login::Success);
        QCOMPARE(settings.securLevel(), 5);
        QCOMPARE(settings.securName(), QStringLiteral("Superuser"));
    }

    void levelLabels_data() { TestEngines::addRows(); }
    void levelLabels()
    {
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        UserAdmin admin(db.dbPath(), QStringLiteral("Kati"), 1);
        QCOMPARE(admin.levelLabel(QStringLiteral("Kati")), QStringLiteral("Hozzáférés: Teljes (1)"));
        QCOMPARE(admin.levelLabel(QStringLiteral("Bela")), QStringLiteral("Hozzáférés: Adminisztrációs (2)"));
        QCOMPARE(admin.levelLabel(QStringLiteral("kati")), QStringLiteral("Hozzáférés: Felhasználói (3)"));
        QCOMPARE(admin.levelLabel(QStringLiteral("admin")), QStringLiteral("Hozzáférés: Superuser (5)"));
        QCOMPARE(admin.levelLabel(QStringLiteral("KATI")), QStringLiteral("Hozzáférés: Felhasználó nem létezik"));
        QCOMPARE(admin.levelLabel(QString()), QStringLiteral("Hozzáférés: Felhasználó nem létezik"));
    }

    void changePasswordRefused_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("loginUser");
        QTest::addColumn<int>("loginLevel");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("newPassword2");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        const QString identity = QStringLiteral("Azonosítási hiba!");
        const QString passwordError = QStringLiteral("Jelszó hiba!");
        const QString noUser = QStringLiteral("A módosítandó felhasználó nem létezik!");
        const QString superuser = QStringLiteral("A Superuser adatai nem módosíthatóak!");
        const QString wrongOld = QStringLiteral("A megadott régi jelszó hibás!");
        const QString empty = QStringLiteral("A jelszó nem lehet nulla hosszúságú!");
        const QString mismatch = QStringLiteral("A megadott új jelszavak nem egyeznek!");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, no such user", qPrintable(engine)) << engine << "Kati" << 1 << "Senki"
                                          << ""
                                          << ""
                                          << "x" << identity << noUser << "edtUserName";
            QTest::addRow("%s, other case", qPrintable(engine)) << engine << "admin" << 5 << "BELA"
                                        << "szilva"
                                        << "uj"
                                        << "uj" << identity << noUser << "edtUserName";
            QTest::addRow("%s, superuser by level 1, wrong old", qPrintable(engine)) << engine << "Kati" << 1 << "admin"
                                                             << "rossz"
                                                             << ""
                                                             << "x" << identity << superuser << "edtUserName";
            QTest::addRow("%s, superuser by itself", qPrintable(engine)) << engine << "admin" << 5 << "admin"
                                                 << "titok"
                                                 << "uj"
                                                 << "uj" << identity << superuser << "edtUserName";
            QTest::addRow("%s, wrong old, before empty new", qPrintable(engine)) << engine << "Kati" << 1 << "Bela"
                                                         << "rossz"
                                                         << ""
                                                         << "x" << passwordError << wrongOld << "edtOldPass";
            QTest::addRow("%s, old of the twin", qPrintable(engine)) << engine << "Kati" << 1 << "Kati"
                                             << "korte"
                                             << "uj"
                                             << "uj" << passwordError << wrongOld << "edtOldPass";
            QTest::addRow("%s, no old given by level 1", qPrintable(engine)) << engine << "Kati" << 1 << "Bela"
                                                     << ""
                                                     << "uj"
                                                     << "uj" << passwordError << wrongOld << "edtOldPass";
            QTest::addRow("%s, own, by level 3, wrong old", qPrintable(engine)) << engine << "kati" << 3 << "kati"
                                                        << "alma"
                                                        << "uj"
                                                        << "uj" << passwordError << wrongOld << "edtOldPass";
            QTest::addRow("%s, empty new, before mismatch", qPrintable(engine)) << engine << "Kati" << 1 << "Bela"
                                                        << "szilva"
                                                        << ""
                                                        << "x" << passwordError << empty << "edtNewPass";
            QTest::addRow("%s, empty new by superuser", qPrintable(engine)) << engine << "admin" << 5 << "Bela"
                                                    << ""
                                                    << ""
                                                    << "" << passwordError << empty << "edtNewPass";
            QTest::addRow("%s, mismatch", qPrintable(engine)) << engine << "Kati" << 1 << "Bela"
                                      << "szilva"
                                      << "uj1"
                                      << "uj2" << passwordError << mismatch << "edtNewPass2";
            QTest::addRow("%s, mismatch in case", qPrintable(engine)) << engine << "admin" << 5 << "Bela"
                                              << ""
                                              << "Uj"
                                              << "uj" << passwordError << mismatch << "edtNewPass2";
        }
    }
    void changePasswordRefused()
    {
        QFETCH(QString, loginUser);
        QFETCH(int, loginLevel);
        QFETCH(QString, target);
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, newPassword2);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        const QList<LoginRow> before = db.rows();
        UserAdmin admin(db.dbPath(), loginUser, loginLevel);
        const Refusal refusal = admin.changePassword(target, oldPassword, newPassword, newPassword2);
        QCOMPARE(message(refusal), message(caption, 2, text));
        QCOMPARE(refusal.focus, focus);
        QCOMPARE(db.rows(), before);
    }

    void changePassword_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("loginUser");
        QTest::addColumn<int>("loginLevel");
        QTest::addColumn<QString>("oldPassword");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, superuser, no old password", qPrintable(engine)) << engine << "admin" << 5 << "";
            QTest::addRow("%s, superuser, any old password", qPrintable(engine)) << engine << "admin" << 5 << "rossz";
            QTest::addRow("%s, level 1 with the old password", qPrintable(engine)) << engine << "Kati" << 1 << "szilva";
            QTest::addRow("%s, own, level 2", qPrintable(engine)) << engine << "Bela" << 2 << "szilva";
        }
    }
    void changePassword()
    {
        QFETCH(QString, loginUser);
        QFETCH(int, loginLevel);
        QFETCH(QString, oldPassword);
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        const QList<LoginRow> before = db.rows();
        UserAdmin admin(db.dbPath(), loginUser, loginLevel);
        QCOMPARE(admin.changePassword(QStringLiteral("Bela"), oldPassword, QStringLiteral("barack"), QStringLiteral("barack")),
            Refusal());
        QCOMPARE(message(UserAdmin::passwordChangedNotice()), PasswordChanged);

        const QString stored = db.storedPassword(QStringLiteral("Bela"));
        QVERIFY(stored.startsWith(QStringLiteral("$argon2id$")));
        QVERIFY(!stored.contains(QStringLiteral("barack")));
        Settings settings;
        QCOMPARE(
            Login::check(db.dbPath(), {QStringLiteral("Bela"), QStringLiteral("barack")}, settings), Login::Success);
        QCOMPARE(Login::check(db.dbPath(), {QStringLiteral("Bela"), QStringLiteral("szilva")}, settings),
            Login::WrongPassword);
        // Only that row changed, and only its password.
        QList<LoginRow> after = db.rows();
        for (qsizetype i = 0; i < after.size(); ++i) {
            if (after.at(i).loginName == QStringLiteral("Bela")) {
                QCOMPARE(after.at(i).securLevel, 2);
                after[i].password = before.at(i).password;
            }
        }
        QCOMPARE(after, before);
    }

    // A write the database refuses is reported, never announced as done.
    void failedWriteIsReported_data() { TestEngines::addRows(); }
    void failedWriteIsReported()
    {
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        QSqlQuery query(Database::shared(db.dbPath()));
        if (engine == TestEngines::postgresql()) {
            QVERIFY(query.exec(QStringLiteral("CREATE FUNCTION lock_login() RETURNS trigger LANGUAGE plpgsql AS "
                                              "$$ BEGIN RAISE EXCEPTION 'zarolva'; END $$")));
            QVERIFY(query.exec(QStringLiteral(
                "CREATE TRIGGER lock_login BEFORE UPDATE ON \"login\" FOR EACH ROW EXECUTE FUNCTION lock_login()")));
        } else {
            QVERIFY(query.exec(QStringLiteral(
                "CREATE TRIGGER lock_login BEFORE UPDATE ON login BEGIN SELECT RAISE(ABORT, 'zarolva'); END")));
        }
        UserAdmin admin(db.dbPath(), QStringLiteral("admin"), 5);
        const Refusal refusal
            = admin.changePassword(QStringLiteral("Bela"), QString(), QStringLiteral("uj"), QStringLiteral("uj"));
        QCOMPARE(refusal.caption, QStringLiteral("HIBA!"));
        QCOMPARE(refusal.symbol, 2);
        // The engine's reason follows, in the engine's words.
        QVERIFY(refusal.text.startsWith(QStringLiteral("A felhasználói adatok írása nem sikerült:\r")));
        QVERIFY(refusal.text.contains(QStringLiteral("zarolva")));
        Settings settings;
        QCOMPARE(
            Login::check(db.dbPath(), {QStringLiteral("Bela"), QStringLiteral("szilva")}, settings), Login::Success);
    }

    // Two copies of the program on two computers create the same user at the same moment: one
    // row, one success, and a plain refusal for the other; nothing crashes.
    void twoProcessesCreateOneUser_data() { TestEngines::addRows(); }
    void twoProcessesCreateOneUser()
    {
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/salvia_create_user");
        QVERIFY2(QFileInfo::exists(program), qPrintable(program));
        std::array<QProcess, 2> copies;
        for (QProcess &copy : copies) {
            copy.start(program, {db.dbPath(), QStringLiteral("Zoli"), QStringLiteral("dio"), QStringLiteral("3")});
            QVERIFY(copy.waitForStarted());
        }
        for (QProcess &copy : copies) {
            QVERIFY(copy.waitForReadyRead(30000));
            QCOMPARE(copy.readLine().trimmed(), QByteArray("ready"));
        }
        for (QProcess &copy : copies)
            copy.write("go\n");
        QStringList answers;
        for (QProcess &copy : copies) {
            QVERIFY(copy.waitForFinished(60000));
            QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy.exitCode(), 0);
            answers << QString::fromUtf8(copy.readAllStandardOutput().trimmed());
        }
        answers.sort();
        QCOMPARE(answers,
            (QStringList {"created", "refused: A felhasználó már létezik, vagy nem adott meg semmit!"}));
        int zoli = 0;
        for (const LoginRow &row : db.rows())
            zoli += row.loginName == QLatin1String("Zoli") ? 1 : 0;
        QCOMPARE(zoli, 1);
    }

    void deleteRefused_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("loginUser");
        QTest::addColumn<int>("loginLevel");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, no such user", qPrintable(engine)) << engine << "admin" << 5 << "Senki"
                                          << ""
                                          << "Azonosítási hiba!"
                                          << "A módosítandó felhasználó nem létezik!";
            QTest::addRow("%s, superuser, wrong old", qPrintable(engine)) << engine << "Kati" << 1 << "admin"
                                                  << "rossz"
                                                  << "Azonosítási hiba!"
                                                  << "A Superuser nem törölhető!";
            QTest::addRow("%s, superuser by itself", qPrintable(engine)) << engine << "admin" << 5 << "admin"
                                                 << ""
                                                 << "Azonosítási hiba!"
                                                 << "A Superuser nem törölhető!";
            QTest::addRow("%s, wrong old by level 1", qPrintable(engine)) << engine << "Kati" << 1 << "Bela"
                                                  << "alma"
                                                  << "Jelszó hiba!"
                                                  << "A megadott régi jelszó hibás!";
            QTest::addRow("%s, own, no password", qPrintable(engine)) << engine << "kati" << 3 << "kati"
                                              << ""
                                              << "Jelszó hiba!"
                                              << "A megadott régi jelszó hibás!";
        }
    }
    void deleteRefused()
    {
        QFETCH(QString, loginUser);
        QFETCH(int, loginLevel);
        QFETCH(QString, target);
        QFETCH(QString, oldPassword);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        const QList<LoginRow> before = db.rows();
        ScriptedMessenger messenger;
        messenger.answer(MsgResult::Yes);
        UserAdmin admin(db.dbPath(), loginUser, loginLevel);
        const Checked<UserAdmin::DeleteOutcome> deleted = admin.deleteUser(target, oldPassword, messenger);
        QVERIFY(!deleted.ok());
        QCOMPARE(message(deleted.refusal), message(caption, 2, text));
        QVERIFY(messenger.shown().isEmpty()); // refused before the question
        QCOMPARE(db.rows(), before);
    }

    void deleteUser_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("loginUser");
        QTest::addColumn<int>("loginLevel");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<int>("answer");
        QTest::addColumn<UserAdmin::DeleteOutcome>("outcome");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, superuser deletes, no password", qPrintable(engine)) << engine
                << "admin" << 5 << "Bela"
                << "" << int(MsgResult::Yes) << UserAdmin::DeleteOutcome::Deleted;
            QTest::addRow("%s, level 1 with the password", qPrintable(engine)) << engine
                << "Kati" << 1 << "kati"
                << "korte" << int(MsgResult::Yes) << UserAdmin::DeleteOutcome::Deleted;
            QTest::addRow("%s, answered Nem", qPrintable(engine)) << engine << "admin" << 5 << "Bela"
                                          << "" << int(MsgResult::No) << UserAdmin::DeleteOutcome::Declined;
            QTest::addRow("%s, dialog closed", qPrintable(engine)) << engine << "admin" << 5 << "Bela"
                                           << "" << int(MsgResult::Cancel) << UserAdmin::DeleteOutcome::Declined;
            QTest::addRow("%s, own login", qPrintable(engine)) << engine << "Kati" << 1 << "Kati"
                                       << "alma" << int(MsgResult::Yes) << UserAdmin::DeleteOutcome::DeletedSelf;
        }
    }
    void deleteUser()
    {
        QFETCH(QString, loginUser);
        QFETCH(int, loginLevel);
        QFETCH(QString, target);
        QFETCH(QString, oldPassword);
        QFETCH(int, answer);
        QFETCH(UserAdmin::DeleteOutcome, outcome);
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        QList<LoginRow> expected = db.rows();
        if (outcome != UserAdmin::DeleteOutcome::Declined)
            expected.removeIf([&](const LoginRow &row) { return row.loginName == target; });
        ScriptedMessenger messenger;
        messenger.answer(answer);
        UserAdmin admin(db.dbPath(), loginUser, loginLevel);
        const Checked<UserAdmin::DeleteOutcome> deleted = admin.deleteUser(target, oldPassword, messenger);
        QVERIFY(deleted.ok());
        QCOMPARE(deleted.value, outcome);
        QCOMPARE(messages(messenger), QStringList {deleteQuestion(target)});
        QCOMPARE(db.rows(), expected);
    }

    void createRefused_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("password2");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        const QString taken = QStringLiteral("A felhasználó már létezik, vagy nem adott meg semmit!");
        const QString empty = QStringLiteral("A jelszó nem lehet nulla hosszúságú!");
        const QString mismatch = QStringLiteral("A jelszavak nem egyeznek!");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, empty name, before empty password", qPrintable(engine)) << engine << ""
                                                               << ""
                                                               << "" << taken << "edtNewUserName";
            QTest::addRow("%s, existing name", qPrintable(engine)) << engine << "Bela"
                                           << "x"
                                           << "x" << taken << "edtNewUserName";
            QTest::addRow("%s, existing superuser", qPrintable(engine)) << engine << "admin"
                                                << "x"
                                                << "y" << taken << "edtNewUserName";
            QTest::addRow("%s, exit, before empty password", qPrintable(engine)) << engine
                << "exit"
                << ""
                << "" << QStringLiteral("Ez a felhasználónév nem használható: exit") << "edtNewUserName";
            QTest::addRow("%s, empty password, before mismatch", qPrintable(engine)) << engine << "Uj"
                                                             << ""
                                                             << "x" << empty << "edtNewPas1";
            QTest::addRow("%s, mismatch", qPrintable(engine)) << engine << "Uj"
                                      << "x"
                                      << "X" << mismatch << "edtNewPas2";
        }
    }
    void createRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, password2);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        LoginTable(db.dbPath()).remove(QStringLiteral("exit")); // a name the creation refuses by itself
        const QList<LoginRow> before = db.rows();
        UserAdmin admin(db.dbPath(), QStringLiteral("admin"), 5);
        const Refusal refusal = admin.createUser(name, password, password2, 3);
        QCOMPARE(message(refusal), message(QStringLiteral("Hiba!"), 2, text));
        QCOMPARE(refusal.focus, focus);
        QCOMPARE(db.rows(), before);
    }

    void createUser_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("levelName");
        for (const QString &engine : TestEngines::names()) {
            QTest::addRow("%s, full", qPrintable(engine)) << engine << "Uj"
                                  << "citrom" << 1 << "Teljes";
            QTest::addRow("%s, administration, case twin of Bela", qPrintable(engine)) << engine << "BELA"
                                                               << "citrom" << 2 << "Adminisztrációs";
            QTest::addRow("%s, user", qPrintable(engine)) << engine << "Ági néni"
                                  << "őszibarack" << 3 << "Felhasználói";
            // The character of code 255 stays itself; code 0 in its place is another password.
            QTest::addRow("%s, code 255", qPrintable(engine)) << engine << "Uj" << QString(2, QChar(0xFF)) << 3 << "Felhasználói";
        }
    }
    void createUser()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(int, level);
        QFETCH(QString, levelName);
        QFETCH(QString, engine);
        LoginFixture db(engine);
        addUsers(db);
        const qsizetype count = db.rows().size();
        UserAdmin admin(db.dbPath(), QStringLiteral("Kati"), 1);
        QCOMPARE(admin.createUser(name, password, password, level), Refusal());
        QCOMPARE(message(UserAdmin::userCreatedNotice()),
            message(QStringLiteral("Információ"), 3, QStringLiteral("Az új belépés létrehozva.")));
        QCOMPARE(db.rows().size(), count + 1);

        const QString stored = db.storedPassword(name);
        QVERIFY(stored.startsWith(QStringLiteral("$argon2id$")));
        QVERIFY(!stored.contains(password));
        Settings settings;
        QCOMPARE(Login::check(db.dbPath(), {name, QString(password).replace(QChar(0xFF), QChar(0))}, settings),
            password.contains(QChar(0xFF)) ? Login::WrongPassword : Login::Success);
        QCOMPARE(Login::check(db.dbPath(), {name, password}, settings), Login::Success);
        QCOMPARE(settings.securLevel(), level);
        QCOMPARE(settings.securName(), levelName);
    }

    // Superusers come with the database only.
    void createSuperuserRefused_data() { TestEngines::addRows(); }
    void createSuperuserRefused()
    {
        QFETCH(QString, engine);
        LoginFixture db(engine);
        UserAdmin admin(db.dbPath(), QStringLiteral("admin"), 5);
        QVERIFY(admin.createUser(QStringLiteral("Uj"), QStringLiteral("x"), QStringLiteral("x"), 5));
        QVERIFY(db.rows().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAppLogin)
#include "tst_login.moc"
