#include "session/Settings.h"
#include "users/ui/frmJelszavak.h"
#include "users/ui/frmPassword.h"
#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "session/Services.h"
#include "support/LoginFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

void addUsers(LoginFixture &db)
{
    db.addUser(QStringLiteral("admin"), QStringLiteral("titok"), 5);
    db.addUser(QStringLiteral("Kati"), QStringLiteral("alma"), 1);
    db.addUser(QStringLiteral("Bela"), QStringLiteral("szilva"), 2);
    db.addUser(QStringLiteral("Zoli"), QStringLiteral("dio"), 3);
}

template <typename T = QWidget> T *child(QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QStringList labelTexts(QWidget *parent)
{
    QStringList texts;
    for (QLabel *label : parent->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

// A logged-in user and the users page for that user, shown and active.
struct Page
{
    Page(const QString &user, int level)
    {
        addUsers(db);
        settings.setDbPath(db.dbPath());
        settings.setLoginUser(user);
        settings.setSecurLevel(level);
        page = std::make_unique<TfrmJelszavak>(Services {settings, messenger, files, dates});
        page->show();
        page->activateWindow();
        if (!QTest::qWaitForWindowActive(page.get()))
            qWarning("the users page did not become active");
    }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(page.get(), name); }
    void type(const char *name, const QString &text) { edit(name)->setText(text); }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(page.get(), name), Qt::LeftButton); }

    LoginFixture db;
    Settings settings;
    ScriptedMessenger messenger;
    ScriptedFilePrompt files;
    ScriptedDatePrompt dates;
    std::unique_ptr<TfrmJelszavak> page;
};

} // namespace

class TestAppUsersUi : public QObject
{
    Q_OBJECT
private slots:
    void passwordDialogLayout()
    {
        TfrmPassword dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Azonosítás"));
        QCOMPARE(child<QLineEdit>(&dialog, "edtPassword")->echoMode(), QLineEdit::Password);
        QCOMPARE(child<QPushButton>(&dialog, "btnOK")->text(), QStringLiteral("OK"));
        const QStringList labels = labelTexts(&dialog);
        QVERIFY(labels.contains(QStringLiteral("Felhasználónév:")));
        QVERIFY(labels.contains(QStringLiteral("Jelszó:")));
    }

    // Enter in the name field moves on, Enter in the password field accepts.
    void passwordDialogEnterOrder()
    {
        TfrmPassword dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *name = child<QLineEdit>(&dialog, "edtUserName");
        auto *password = child<QLineEdit>(&dialog, "edtPassword");
        QCOMPARE(QApplication::focusWidget(), name);
        QTest::keyClicks(name, QStringLiteral("Kati"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), password);
        QVERIFY(dialog.isVisible());
        QTest::keyClicks(password, QStringLiteral("alma"));
        QTest::keyClick(password, Qt::Key_Enter);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.entry().userName, QStringLiteral("Kati"));
        QCOMPARE(dialog.entry().password, QStringLiteral("alma"));
    }

    void passwordDialogOkButton()
    {
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<TfrmPassword *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            child<QLineEdit>(dialog, "edtUserName")->setText(QStringLiteral("Bela"));
            child<QLineEdit>(dialog, "edtPassword")->setText(QStringLiteral("szilva"));
            QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
        });
        const LoginEntry entry = TfrmPassword::ask();
        QCOMPARE(entry.userName, QStringLiteral("Bela"));
        QCOMPARE(entry.password, QStringLiteral("szilva"));
    }

    void passwordDialogClosedOtherwise_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("close box") << false;
    }
    void passwordDialogClosedOtherwise()
    {
        QFETCH(bool, escape);
        QTimer::singleShot(0, [escape] {
            auto *dialog = qobject_cast<TfrmPassword *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            child<QLineEdit>(dialog, "edtUserName")->setText(QStringLiteral("Kati"));
            child<QLineEdit>(dialog, "edtPassword")->setText(QStringLiteral("alma"));
            if (escape)
                QTest::keyClick(child<QLineEdit>(dialog, "edtPassword"), Qt::Key_Escape);
            else
                dialog->close();
        });
        const LoginEntry entry = TfrmPassword::ask();
        QCOMPARE(entry.userName, QStringLiteral("exit"));
        QCOMPARE(entry.password, QString());
    }

    void pageTexts()
    {
        Page p(QStringLiteral("Kati"), 1);
        QWidget *page = p.page.get();
        QStringList groups;
        for (QGroupBox *box : page->findChildren<QGroupBox *>())
            groups << box->title();
        QCOMPARE(groups, (QStringList {"Meglévő jelszó módosítása", "Új felhasználó létrehozása"}));
        const QStringList labels = labelTexts(page);
        for (const char *text : {"Felhasználónév:", "Régi jelszó:", "Új jelszó:", "Új jelszó újra:", "Jelszó:",
                 "Jelszó újra:", "Biztonsági szint:"})
            QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
        QCOMPARE(child<QRadioButton>(page, "rbRoot")->text(), QStringLiteral("Teljes hozzáférési szint"));
        QCOMPARE(child<QRadioButton>(page, "rbAdmin")->text(), QStringLiteral("Adminisztrációs hozzáférés"));
        QCOMPARE(child<QRadioButton>(page, "rbUser")->text(), QStringLiteral("Felhasználói szint"));
        QVERIFY(child<QRadioButton>(page, "rbUser")->isChecked());
        QCOMPARE(child<QPushButton>(page, "btnModosit")->text(), QStringLiteral("&Módosít"));
        QCOMPARE(child<QPushButton>(page, "btnTorol")->text(), QStringLiteral("&Töröl"));
        QCOMPARE(child<QPushButton>(page, "btnLetrehoz")->text(), QStringLiteral("&Létrehoz"));
        QCOMPARE(child<QPushButton>(page, "btnOK")->text(), QStringLiteral("&OK"));
        QCOMPARE(child<QPushButton>(page, "btnSugo")->text(), QStringLiteral("&Súgó"));
        for (const char *name : {"edtOldPass", "edtNewPass", "edtNewPass2", "edtNewPas1", "edtNewPas2"})
            QVERIFY2(p.edit(name)->echoMode() == QLineEdit::Password, name);
    }

    void pageByLevel_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("manages");
        QTest::addColumn<QString>("label");
        QTest::newRow("full") << "Kati" << 1 << true << "Hozzáférés: Teljes (1)";
        QTest::newRow("administration") << "Bela" << 2 << false << "Hozzáférés: Adminisztrációs (2)";
        QTest::newRow("user") << "Zoli" << 3 << false << "Hozzáférés: Felhasználói (3)";
        QTest::newRow("superuser") << "admin" << 5 << true << "Hozzáférés: Superuser (5)";
    }
    void pageByLevel()
    {
        QFETCH(QString, user);
        QFETCH(int, level);
        QFETCH(bool, manages);
        QFETCH(QString, label);
        Page p(user, level);
        QWidget *page = p.page.get();
        QCOMPARE(p.edit("edtUserName")->text(), user);
        QCOMPARE(child<QLabel>(page, "lblSecur")->text(), label);
        const QColor background = manages ? QColor(Qt::white) : QColor(Qt::lightGray);
        for (const char *name : {"edtUserName", "edtNewUserName", "edtNewPas1", "edtNewPas2", "rbRoot", "rbAdmin",
                 "rbUser", "btnLetrehoz"}) {
            QWidget *widget = child(page, name);
            QVERIFY2(widget->isEnabled() == manages, name);
            QVERIFY2(widget->palette().color(QPalette::Base) == background, name);
        }
        // Everyone can change the own password.
        for (const char *name : {"edtOldPass", "edtNewPass", "edtNewPass2", "btnModosit", "btnTorol"})
            QVERIFY2(child(page, name)->isEnabled(), name);
        QCOMPARE(QApplication::focusWidget(), p.edit(manages ? "edtUserName" : "edtOldPass"));
        // The own name is readable also in the greyed field.
        const QPalette colours = p.edit("edtUserName")->palette();
        const QPalette::ColorGroup group = manages ? QPalette::Active : QPalette::Disabled;
        QVERIFY(
            qAbs(colours.color(group, QPalette::Text).lightness() - colours.color(group, QPalette::Base).lightness())
            >= 128);
    }

    void typingShowsTheLevel()
    {
        Page p(QStringLiteral("admin"), 5);
        auto *label = child<QLabel>(p.page.get(), "lblSecur");
        QLineEdit *name = p.edit("edtUserName");
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Bel"));
        QCOMPARE(label->text(), QStringLiteral("Hozzáférés: Felhasználó nem létezik"));
        QTest::keyClicks(name, QStringLiteral("a"));
        QCOMPARE(label->text(), QStringLiteral("Hozzáférés: Adminisztrációs (2)"));
        QTest::keyClicks(name, QStringLiteral("x"));
        QCOMPARE(label->text(), QStringLiteral("Hozzáférés: Felhasználó nem létezik"));
    }

    void enterOrder_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("name") << "edtUserName"
                              << "edtOldPass";
        QTest::newRow("old") << "edtOldPass"
                             << "edtNewPass";
        QTest::newRow("new") << "edtNewPass"
                             << "edtNewPass2";
        QTest::newRow("new again") << "edtNewPass2"
                                   << "btnModosit";
        QTest::newRow("new user") << "edtNewUserName"
                                  << "edtNewPas1";
        QTest::newRow("password") << "edtNewPas1"
                                  << "edtNewPas2";
        QTest::newRow("password again") << "edtNewPas2"
                                        << "rbUser";
        QTest::newRow("full level") << "rbRoot"
                                    << "btnLetrehoz";
        QTest::newRow("admin level") << "rbAdmin"
                                     << "btnLetrehoz";
        QTest::newRow("user level") << "rbUser"
                                    << "btnLetrehoz";
    }
    void enterOrder()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        Page p(QStringLiteral("Kati"), 1);
        QWidget *start = child(p.page.get(), qPrintable(from));
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
        QVERIFY(p.messenger.shown().isEmpty());
    }

    // Enter on the change button after the last field presses it.
    void changeByKeyboard()
    {
        Page p(QStringLiteral("Zoli"), 3);
        QLineEdit *old = p.edit("edtOldPass");
        old->setFocus();
        QTest::keyClicks(old, QStringLiteral("dio"));
        QTest::keyClick(old, Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("mogyoro"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("mogyoro"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnModosit"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(p.messenger.shown().size(), 1);
        QCOMPARE(p.messenger.last().caption, QStringLiteral("Információ"));
        Settings settings;
        QCOMPARE(
            Login::check(p.db.dbPath(), {QStringLiteral("Zoli"), QStringLiteral("mogyoro")}, settings), Login::Success);
        // The typed passwords are gone from the page.
        QVERIFY(p.edit("edtOldPass")->text().isEmpty());
        QVERIFY(p.edit("edtNewPass")->text().isEmpty());
    }

    // A refusal shows its message, writes nothing and puts the focus on the field concerned.
    void refusalFocusesTheField()
    {
        Page p(QStringLiteral("Kati"), 1);
        const QList<LoginRow> before = p.db.rows();
        p.type("edtUserName", QStringLiteral("Bela"));
        p.type("edtOldPass", QStringLiteral("szilva"));
        p.type("edtNewPass", QStringLiteral("egy"));
        p.type("edtNewPass2", QStringLiteral("kettő"));
        p.click("btnModosit");
        QCOMPARE(p.messenger.texts(), QStringList {"A megadott új jelszavak nem egyeznek!"});
        QCOMPARE(p.messenger.last().symbol, 2);
        QCOMPARE(QApplication::focusWidget(), p.edit("edtNewPass2"));
        QCOMPARE(p.db.rows(), before);
    }

    void superuserChangesWithoutOldPassword()
    {
        Page p(QStringLiteral("admin"), 5);
        p.type("edtUserName", QStringLiteral("Kati"));
        p.type("edtNewPass", QStringLiteral("korte"));
        p.type("edtNewPass2", QStringLiteral("korte"));
        p.click("btnModosit");
        QCOMPARE(p.messenger.last().caption, QStringLiteral("Információ"));
        Settings settings;
        QCOMPARE(
            Login::check(p.db.dbPath(), {QStringLiteral("Kati"), QStringLiteral("korte")}, settings), Login::Success);
    }

    void deleteOtherUser()
    {
        Page p(QStringLiteral("admin"), 5);
        bool ended = false;
        p.page->setEndProgram([&ended] { ended = true; });
        p.type("edtUserName", QStringLiteral("Bela"));
        p.messenger.answer(MsgResult::Yes);
        p.click("btnTorol");
        QVERIFY(p.db.storedPassword(QStringLiteral("Bela")).isEmpty());
        QVERIFY(!ended);
        QVERIFY(p.edit("edtUserName")->text().isEmpty());
        QCOMPARE(p.messenger.shown().size(), 1);
    }

    // Deleting the own login ends the program through the hook, after its message.
    void deleteOwnLoginEndsTheProgram()
    {
        Page p(QStringLiteral("Kati"), 1);
        int ended = 0;
        qsizetype messagesWhenEnded = -1;
        p.page->setEndProgram([&] {
            ++ended;
            messagesWhenEnded = p.messenger.shown().size();
        });
        p.type("edtOldPass", QStringLiteral("alma"));
        p.messenger.answer(MsgResult::Yes);
        p.click("btnTorol");
        QCOMPARE(ended, 1);
        QCOMPARE(messagesWhenEnded, 2);
        QCOMPARE(p.messenger.last().text, QStringLiteral("Kizárta a rendszer. Indítsa újra a programot!"));
        QVERIFY(p.db.storedPassword(QStringLiteral("Kati")).isEmpty());
        QVERIFY(p.edit("edtUserName")->text().isEmpty());
    }

    void createWithChosenLevel_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("level");
        QTest::newRow("rbRoot") << "rbRoot" << 1;
        QTest::newRow("rbAdmin") << "rbAdmin" << 2;
        QTest::newRow("rbUser") << "rbUser" << 3;
    }
    void createWithChosenLevel()
    {
        QFETCH(QString, choice);
        QFETCH(int, level);
        Page p(QStringLiteral("Kati"), 1);
        p.type("edtNewUserName", QStringLiteral("Uj"));
        p.type("edtNewPas1", QStringLiteral("meggy"));
        p.type("edtNewPas2", QStringLiteral("meggy"));
        child<QRadioButton>(p.page.get(), qPrintable(choice))->setChecked(true);
        p.click("btnLetrehoz");
        QCOMPARE(p.messenger.texts(), QStringList {"Az új belépés létrehozva."});
        Settings settings;
        QCOMPARE(
            Login::check(p.db.dbPath(), {QStringLiteral("Uj"), QStringLiteral("meggy")}, settings), Login::Success);
        QCOMPARE(settings.securLevel(), level);
        QVERIFY(p.db.storedPassword(QStringLiteral("Uj")) != QStringLiteral("meggy"));
    }

    void pageButtons()
    {
        Page p(QStringLiteral("Kati"), 1);
        QSignalSpy closed(p.page.get(), &TfrmJelszavak::closeRequested);
        QSignalSpy help(p.page.get(), &TfrmJelszavak::helpRequested);
        p.click("btnSugo");
        QCOMPARE(help.size(), 1);
        QCOMPARE(help.first().first().toString(), QStringLiteral("setup.htm"));
        QCOMPARE(closed.size(), 0);
        p.click("btnOK");
        QCOMPARE(closed.size(), 1);
    }
};

QTEST_MAIN(TestAppUsersUi)
#include "tst_users.moc"
