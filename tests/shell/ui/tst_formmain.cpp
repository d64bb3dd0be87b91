#include "Version.h"
#include "shell/ui/FormMain.h"
#include "shell/MainWindowMessages.h"
#include "session/Settings.h"
#include "shell/ui/AllCommands.h"
#include "shell/ui/frmSetup.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedMessenger.h"
#include "session/Services.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

// The main window's own behaviour: the command pattern, the status line, the logo placement, the
// exit question, the work-year information and the start-up timer.
class TestAppFormMain : public QObject
{
    Q_OBJECT
public slots:
    void openUrl(const QUrl &url) { m_openedUrls << url; }

private:
    QTemporaryDir m_dir;
    QList<QUrl> m_openedUrls;
    ScriptedFilePrompt m_filePrompt;
    ScriptedDatePrompt m_datePrompt;

    // A settings object on its own salvia.ini in the test folder.
    void freshSettings(Settings &settings)
    {
        settings.setProgramPath(m_dir.path());
        QFile::remove(settings.iniPath());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // Path into panel 4, create, run modally, destroy, follow-up, "Főmenü" back: in that order.
    void commandPattern_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("reloadsWorkYear");
        QTest::newRow("code table") << "Fknyviszmok1"
                                    << "Törzsadatok -> Főkönyvi számok karbantartása" << false;
        QTest::newRow("monthly closing") << "Napizrs1"
                                         << "Feldolgozás -> Havi zárás" << true;
        QTest::newRow("warehouse restore") << "Raktrvisszatltstetszlegeshelyrl1"
                                           << "Egyebek -> Raktár visszatöltése tetszőleges helyről" << true;
        QTest::newRow("database restore") << "Visszatltsadotthelyrl1"
                                          << "Egyebek -> Teljes adatbázis visszatöltése tetszőleges helyről" << true;
    }
    void commandPattern()
    {
        QFETCH(QString, command);
        QFETCH(QString, path);
        QFETCH(bool, reloadsWorkYear);
        Settings settings;
        freshSettings(settings);
        TFormMain window(settings);
        QStringList steps;
        QPointer<QDialog> screen;
        window.registerScreen(command, [&](QWidget *parent) {
            steps << QStringLiteral("create");
            auto created = std::make_unique<QDialog>(parent);
            screen = created.get();
            QTimer::singleShot(0, created.get(), [&] {
                steps << QStringLiteral("run: ") + window.statusPanelText(4) + (screen->isModal() ? "modal" : "");
                screen->accept();
            });
            return created;
        });
        window.setWorkYearReload(
            [&] { steps << QStringLiteral("reload: ") + window.statusPanelText(4) + (screen ? "screen alive" : ""); });

        window.commandAction(command)->trigger();

        QStringList expected = {QStringLiteral("create"), QStringLiteral("run: ") + path + "       modal"};
        if (reloadsWorkYear)
            expected << QStringLiteral("reload: ") + path + "       ";
        QCOMPARE(steps, expected);
        QVERIFY(screen.isNull());
        QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü       "));
    }

    // A screen with its own entry operation runs through it instead of exec().
    void entryOperation()
    {
        Settings settings;
        freshSettings(settings);
        TFormMain window(settings);
        QDialog *ran = nullptr;
        QDialog *created = nullptr;
        window.registerScreen(
            QStringLiteral("Bevtelibizonylat1"),
            [&](QWidget *parent) {
                auto screen = std::make_unique<QDialog>(parent);
                created = screen.get();
                return screen;
            },
            [&](QDialog *screen) {
                ran = screen;
                QVERIFY(!screen->isVisible());
                QCOMPARE(window.statusPanelText(4),
                    QStringLiteral("Adatkarbantartás -> Raktári anyagok bevételezése       "));
            });
        window.runCommand(QStringLiteral("Bevtelibizonylat1"));
        QVERIFY(ran);
        QCOMPARE(ran, created);
        QVERIFY(window.findChildren<QDialog *>().isEmpty());
    }

    // A command that renamed the active warehouse leaves its new name on the status line.
    void warehouseNameFollowsACommand()
    {
        Settings settings;
        freshSettings(settings);
        settings.setAktivRaktarNev(QStringLiteral("Konyha"));
        TFormMain window(settings);
        window.setStatusPanel(2, settings.aktivRaktarNev());
        window.registerAction(
            QStringLiteral("zemekkarbantartsa1"), [&] { settings.setAktivRaktarNev(QStringLiteral("Főkonyha")); });
        window.runCommand(QStringLiteral("zemekkarbantartsa1"));
        QCOMPARE(window.statusPanelText(2), QStringLiteral("Főkonyha"));
    }

    void statusLine_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("text");
        QTest::newRow("user") << 0 << 100 << int(Qt::AlignCenter) << "Felhasználónév";
        QTest::newRow("rights") << 1 << 90 << int(Qt::AlignCenter) << "Jogok";
        QTest::newRow("warehouse") << 2 << 250 << int(Qt::AlignLeft | Qt::AlignVCenter) << "Raktár";
        QTest::newRow("lock") << 3 << 20 << int(Qt::AlignCenter) << "";
        QTest::newRow("menu path") << 4 << -1 << int(Qt::AlignRight | Qt::AlignVCenter) << "Főmenü     ";
    }
    void statusLine()
    {
        QFETCH(int, panel);
        QFETCH(int, width);
        QFETCH(int, alignment);
        QFETCH(QString, text);
        Settings settings;
        freshSettings(settings);
        TFormMain window(settings);
        window.setWindowState(Qt::WindowNoState);
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.findChild<QStatusBar *>(QStringLiteral("stbStatusz")));
        auto *label = window.findChild<QLabel *>(QStringLiteral("stbStatusz_%1").arg(panel));
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(int(label->alignment()), alignment);
        if (width > 0)
            QCOMPARE(label->width(), width);
        else // the last panel takes the rest of the line, up to the size grip
            QVERIFY(label->geometry().right() >= window.statusBar()->width() - 30);

        // Panel 4 always gets seven blanks after its text; the others take the text as given.
        window.setStatusPanel(panel, QStringLiteral("X"));
        QCOMPARE(window.statusPanelText(panel), panel == 4 ? QStringLiteral("X       ") : QStringLiteral("X"));
    }

    // A long user, level or warehouse name is shown whole: its panel widens instead of cutting it.
    void statusPanelsWidenForLongTexts()
    {
        Settings settings;
        freshSettings(settings);
        TFormMain window(settings);
        window.setWindowState(Qt::WindowNoState);
        window.resize(1000, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList texts = {QStringLiteral("Felhasználónév"), QStringLiteral("Adminisztrációs"),
            QStringLiteral("Központi konyha és étterem, Kossuth Lajos utca 12.")};
        for (int panel = 0; panel < texts.size(); ++panel)
            window.setStatusPanel(panel, texts.at(panel));
        QCoreApplication::processEvents();
        for (int panel = 0; panel < texts.size(); ++panel) {
            auto *label = window.findChild<QLabel *>(QStringLiteral("stbStatusz_%1").arg(panel));
            const int needed = label->fontMetrics().horizontalAdvance(texts.at(panel)) + 2 * label->frameWidth();
            QTRY_VERIFY2(label->width() >= needed,
                qPrintable(
                    QStringLiteral("panel %1: %2 px for %3 px of text").arg(panel).arg(label->width()).arg(needed)));
        }
        // Short texts again: back to the panels' own widths.
        window.setStatusPanel(0, QStringLiteral("admin"));
        window.setStatusPanel(1, QStringLiteral("Teljes"));
        window.setStatusPanel(2, QStringLiteral("Konyha"));
        QTRY_COMPARE(window.findChild<QLabel *>(QStringLiteral("stbStatusz_0"))->width(), 100);
        QTRY_COMPARE(window.findChild<QLabel *>(QStringLiteral("stbStatusz_1"))->width(), 90);
        QTRY_COMPARE(window.findChild<QLabel *>(QStringLiteral("stbStatusz_2"))->width(), 250);
    }

    // The network-lock marker of panel 3 follows DisaLock once the start-up has run.
    void lockMarker_data()
    {
        QTest::addColumn<QString>("disaLock");
        QTest::addColumn<QString>("marker");
        QTest::newRow("locking allowed") << "0"
                                         << "•";
        QTest::newRow("locking disabled") << "1"
                                          << "";
        QTest::newRow("key missing (default on)") << ""
                                                  << "";
    }
    void lockMarker()
    {
        QFETCH(QString, disaLock);
        QFETCH(QString, marker);
        Settings settings;
        freshSettings(settings);
        if (!disaLock.isEmpty())
            settings.writeString(QStringLiteral("Mukodes"), QStringLiteral("DisaLock"), disaLock);
        TFormMain window(settings);
        QCOMPARE(window.statusPanelText(3), QString());
        window.show();
        QTRY_VERIFY(window.startupRan());
        QCOMPARE(window.statusPanelText(3), marker);
    }

    void windowLook()
    {
        Settings settings;
        freshSettings(settings);
        TFormMain window(settings);
        QVERIFY(window.windowState() & Qt::WindowMaximized);
        QCOMPARE(window.minimumSize(), QSize(640, 488));
        QCOMPARE(window.clientArea()->palette().color(QPalette::Window), QColor(70, 101, 176));
        QVERIFY(window.clientArea()->autoFillBackground());
        auto *logo = window.findChild<QLabel *>(QStringLiteral("imgLogo"));
        auto *label = window.findChild<QLabel *>(QStringLiteral("lblLogo"));
        QVERIFY(logo && label);
        QCOMPARE(logo->size(), QSize(256, 180));
        QVERIFY(!logo->pixmap().isNull());
        QCOMPARE(label->width(), 257);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->text(), QStringLiteral("Program verzió:  ") + QStringLiteral(SALVIA_VERSION));
        QCOMPARE(window.programVersion(), QStringLiteral(SALVIA_VERSION));
        QCOMPARE(window.programVersion().split(QLatin1Char('.')).size(), 4);
    }

    void programVersion_data()
    {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("ok");
        QTest::newRow("four numbers") << "2.3.0.17"
                                      << "2.3.0.17" << true;
        QTest::newRow("missing") << ""
                                 << "0.0.0.0" << false;
        QTest::newRow("three numbers") << "1.2.3"
                                       << "0.0.0.0" << false;
        QTest::newRow("not numbers") << "1.2.x.4"
                                     << "0.0.0.0" << false;
    }
    void programVersion()
    {
        QFETCH(QString, built);
        QFETCH(QString, shown);
        QFETCH(bool, ok);
        bool valid = !ok;
        QCOMPARE(MainWindowMessages::programVersion(built, &valid), shown);
        QCOMPARE(valid, ok);
        QCOMPARE(MainWindowMessages::noVersionText(), QStringLiteral("Nincs verzió információ a fájlban!"));
    }

    // Logo 20 px from the right edge; label 45 px, logo 50 px + label above the bottom of the client area.
    void logoPlacement_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("minimum") << QSize(640, 488);
        QTest::newRow("wide") << QSize(1400, 700);
        QTest::newRow("below minimum") << QSize(300, 200);
    }
    void logoPlacement()
    {
        QFETCH(QSize, size);
        Settings settings;
        freshSettings(settings);
        TFormMain window(settings);
        window.setWindowState(Qt::WindowNoState);
        window.resize(1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(size);
        QWidget *client = window.clientArea();
        auto *logo = window.findChild<QLabel *>(QStringLiteral("imgLogo"));
        auto *label = window.findChild<QLabel *>(QStringLiteral("lblLogo"));
        QTRY_COMPARE(client->width(), qMax(size.width(), 640));
        const int w = client->width();
        const int h = client->height();
        QCOMPARE(logo->x(), w - 256 - 20);
        QCOMPARE(logo->y(), h - (180 + label->height()) - 50);
        QCOMPARE(label->x(), w - 256 - 20);
        QCOMPARE(label->y(), h - label->height() - 45);
        QCOMPARE(label->geometry().bottom() + 1, h - 45);
        QCOMPARE(logo->geometry().right() + 1, w - 20);
    }

    // "Nem" keeps the program; "Igen" and closing the question (2) end it.
    void exitQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Igen") << MsgResult::Yes << true;
        QTest::newRow("Nem") << MsgResult::No << false;
        QTest::newRow("question closed") << MsgResult::Cancel << true;
    }
    void exitQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        for (const bool byMenu : {false, true}) {
            Settings settings;
            freshSettings(settings);
            ScriptedMessenger messenger;
            TFormMain window(settings);
            window.setMessenger(messenger);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            messenger.answer(answer);
            if (byMenu)
                window.commandAction(QStringLiteral("Kilepes"))->trigger();
            else
                window.close();
            QCOMPARE(window.isVisible(), !ends);
            QCOMPARE(messenger.shown().size(), 1);
            QCOMPARE(messenger.last().caption, QStringLiteral("Figyelmeztetés"));
            QCOMPARE(messenger.last().symbol, Symbol::Warning);
            QCOMPARE(messenger.last().text,
                QStringLiteral("Valóban ki akar lépni a programból?\rKészített biztonsági mentést?"));
            QCOMPARE(messenger.last().buttons, QStringList({"Igen", "Nem"}));
        }
    }

    // "Nem" to the backup question leads to the backup of the active warehouse; the program stays.
    void exitQuestionOffersTheBackup()
    {
        Settings settings;
        freshSettings(settings);
        ScriptedMessenger messenger;
        TFormMain window(settings);
        window.setMessenger(messenger);
        int backups = 0;
        window.registerAction(QStringLiteral("Raktrmentstetszlegeshelyre1"), [&] { ++backups; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        messenger.answer(MsgResult::No);
        window.close();
        QTRY_COMPARE(backups, 1);
        QVERIFY(window.isVisible());
        messenger.answer(MsgResult::Yes);
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(backups, 1);
    }

    void exitWithoutAsking()
    {
        Settings settings;
        freshSettings(settings);
        ScriptedMessenger messenger;
        TFormMain window(settings);
        window.setMessenger(messenger);
        QVERIFY(window.askOnExit());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setAskOnExit(false);
        QVERIFY(window.close());
        QVERIFY(messenger.shown().isEmpty());

        TFormMain second(settings);
        second.setMessenger(messenger);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        second.endWithoutAsking();
        QVERIFY(!second.isVisible());
        QVERIFY(!second.askOnExit());
        QVERIFY(messenger.shown().isEmpty());
    }

    void workYearInformation()
    {
        Settings settings;
        freshSettings(settings);
        settings.setMunkaEv(QStringLiteral("2024"));
        settings.setLezartHo(QStringLiteral("03"));
        ScriptedMessenger messenger;
        TFormMain window(settings);
        window.setMessenger(messenger);
        window.commandAction(QStringLiteral("Aktvvlekrse1"))->trigger();
        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().caption, QStringLiteral("Információ"));
        QCOMPARE(messenger.last().symbol, Symbol::Information);
        QCOMPARE(messenger.last().buttons, QStringList({"OK"}));
        QCOMPARE(messenger.last().text, QStringLiteral("Aktív munkaév:  2024\rLezárt hónap:  03"));
        QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü       "));
    }

    // A second start brings the window forward; a dialog open on it stays in front and keeps the focus,
    // or the user would face a window that answers nothing.
    void bringToFrontKeepsAnOpenDialogOnTop()
    {
        Settings settings;
        freshSettings(settings);
        TFormMain window(settings);
        window.setWindowState(Qt::WindowNoState);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QDialog screen(&window);
        bool dialogActive = false;
        QTimer::singleShot(0, &screen, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&screen));
            window.bringToFront();
            QCoreApplication::processEvents();
            dialogActive = QTest::qWaitFor([&] { return QApplication::activeWindow() == &screen; }, 1000);
            screen.reject();
        });
        screen.exec();
        QVERIFY(dialogActive);
        QVERIFY(window.isMaximized());
    }

    // tmrInit arms on the first show, ticks once after 500 ms and runs the start-up hook once.
    void startupTimer()
    {
        Settings settings;
        freshSettings(settings);
        TFormMain window(settings);
        int runs = 0;
        bool timerStoppedDuringHook = false;
        bool menuUsableDuringHook = true;
        auto *master = window.menu(QStringLiteral("Torzsadatok1"));
        auto *processing = window.menu(QStringLiteral("Feldolgozas1"));
        QVERIFY(master && processing);
        window.setStartupHook([&] {
            ++runs;
            timerStoppedDuringHook = !window.startupTimer()->isActive();
            menuUsableDuringHook = processing->menuAction()->isEnabled();
            window.applyMenuRights(2); // "Adminisztrációs": no master data, no service menu
        });
        QTimer *init = window.findChild<QTimer *>(QStringLiteral("tmrInit"));
        QCOMPARE(init, window.startupTimer());
        QCOMPARE(init->interval(), 500);
        // Only the timer runs the hook, and it is not running before the window is shown.
        QVERIFY(!init->isActive());
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);

        window.show();
        QVERIFY(init->isActive());
        // No menu before the login and the rest of the start-up have run; then the user's rights.
        QVERIFY(!processing->menuAction()->isEnabled());
        QTRY_COMPARE(runs, 1);
        QVERIFY(timerStoppedDuringHook);
        QVERIFY(!menuUsableDuringHook);
        QVERIFY(processing->menuAction()->isEnabled());
        QVERIFY(!master->menuAction()->isEnabled());
        QVERIFY(!window.menu(QStringLiteral("Szervz1"))->menuAction()->isEnabled());
        QVERIFY(!init->isActive());

        window.hide();
        window.show();
        QVERIFY(!init->isActive());
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);

        QTimer *watchdog = window.findChild<QTimer *>(QStringLiteral("tmrDB"));
        QCOMPARE(watchdog, window.repairWatchdog());
        QCOMPARE(watchdog->interval(), 300000);
        QVERIFY(!watchdog->isActive());
    }

    void helpCommandsAndF1()
    {
        Settings settings;
        freshSettings(settings);
        TFormMain window(settings);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // No help viewer yet: the help commands stay unusable and F1 does nothing.
        QVERIFY(!window.commandAction(QStringLiteral("ltalnoshasznlat1"))->isEnabled());
        QVERIFY(!window.commandAction(QStringLiteral("Tmakrk1"))->isEnabled());
        QTest::keyClick(&window, Qt::Key_F1);

        QStringList pages;
        QString statusDuring;
        window.setHelpViewer([&](const QString &page) {
            pages << page;
            statusDuring = window.statusPanelText(4);
        });
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(pages, QStringList({"tartalom.htm"}));
        QCOMPARE(statusDuring, QStringLiteral("Főmenü     "));

        window.commandAction(QStringLiteral("ltalnoshasznlat1"))->trigger();
        QCOMPARE(statusDuring, QStringLiteral("Súgó -> Általános használat       "));
        window.commandAction(QStringLiteral("Tmakrk1"))->trigger();
        QCOMPARE(statusDuring, QStringLiteral("Súgó -> Témakörök, tartalomjegyzék       "));
        QCOMPARE(pages, QStringList({"tartalom.htm", "bevezetes.htm", "tartalom.htm"}));
    }

    // The settings commands show their page of the one settings dialog, which outlives them.
    void settingsCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("path");
        QTest::newRow("defaults") << "Alaprtelmezettrtkek1" << 0 << "Beállítások -> Alapértelmezett értékek beállítása";
        QTest::newRow("printing") << "Nyomtats1" << 1 << "Beállítások -> Nyomtatási beállítások";
        QTest::newRow("calculations") << "Szmtsok1" << 2 << "Beállítások -> Számítások";
        QTest::newRow("dialogs") << "Dialgusbelltsok1" << 3 << "Beállítások -> Dialógus beállítások";
        QTest::newRow("users") << "Jelszavakbelltsa1" << 4 << "Beállítások -> Jelszavak beállítása";
        QTest::newRow("operation") << "Mkdsiparamterek1" << 5 << "Beállítások -> Működési paraméterek beállítása";
    }
    void settingsCommands()
    {
        QFETCH(QString, command);
        QFETCH(int, page);
        QFETCH(QString, path);
        Settings settings;
        freshSettings(settings);
        ScriptedMessenger messenger;
        TFormMain window(settings);
        window.setMessenger(messenger);
        const Services services{settings, messenger, m_filePrompt, m_datePrompt};
        QPointer<TfrmSetup> setup = new TfrmSetup(services, &window);
        registerAllCommands(window, services, *setup);

        int shownPage = -1;
        QString status;
        QTimer::singleShot(0, setup, [&] {
            QCOMPARE(QApplication::activeModalWidget(), setup.data());
            shownPage = setup->findChild<QTabWidget *>(QStringLiteral("pgcSetup"))->currentIndex();
            status = window.statusPanelText(4);
            setup->reject();
        });
        window.commandAction(command)->trigger();
        QCOMPARE(shownPage, page);
        QCOMPARE(status, path + QStringLiteral("       "));
        QVERIFY(!setup.isNull());
        QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü       "));
    }

    void runParameters()
    {
        Settings settings;
        freshSettings(settings);
        settings.setMunkaEv(QStringLiteral("2024"));
        ScriptedMessenger messenger;
        TFormMain window(settings);
        const Services services{settings, messenger, m_filePrompt, m_datePrompt};
        TfrmSetup setup(services, &window);
        registerAllCommands(window, services, setup);
        QPointer<QWidget> shown;
        QString shownName;
        QTimer::singleShot(0, &window, [&] {
            shown = QApplication::activeModalWidget();
            shownName = shown->objectName();
            static_cast<QDialog *>(shown.data())->accept();
        });
        window.commandAction(QStringLiteral("Futsiparamterek1"))->trigger();
        QCOMPARE(shownName, QStringLiteral("frmParams"));
        // Destroyed after its run.
        QVERIFY(shown.isNull());
        QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü       "));
    }

    // Help commands, F1 and the settings dialog's help button reach the help viewer.
    void helpWiring()
    {
        Settings settings;
        freshSettings(settings);
        QDir(m_dir.filePath(QStringLiteral("HtmlHelp"))).removeRecursively();
        ScriptedMessenger messenger;
        TFormMain window(settings);
        window.setMessenger(messenger);
        const Services services{settings, messenger, m_filePrompt, m_datePrompt};
        TfrmSetup setup(services, &window);
        registerAllCommands(window, services, setup);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Without help pages each way ends in the missing-page warning naming its page.
        window.commandAction(QStringLiteral("ltalnoshasznlat1"))->trigger();
        window.commandAction(QStringLiteral("Tmakrk1"))->trigger();
        QTest::keyClick(&window, Qt::Key_F1);
        setup.findChild<QPushButton *>(QStringLiteral("btnSugo0"))->click();
        QCOMPARE(messenger.texts(),
            QStringList({"A kért súgótémakör nem elérhető: \r<[bevezetes.htm]>",
                "A kért súgótémakör nem elérhető: \r<[tartalom.htm]>",
                "A kért súgótémakör nem elérhető: \r<[tartalom.htm]>",
                "A kért súgótémakör nem elérhető: \r<[setup.htm]>"}));

        // With the page present the viewer opens modally over the main window.
        QDir(m_dir.path()).mkpath(QStringLiteral("HtmlHelp"));
        QFile page(QDir(m_dir.path()).filePath(QStringLiteral("HtmlHelp/tartalom.htm")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body>Tartalom</body></html>");
        page.close();
        QString viewer;
        QTimer::singleShot(0, &window, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            viewer = modal ? modal->objectName() : QString();
            if (modal)
                modal->close();
        });
        window.commandAction(QStringLiteral("Tmakrk1"))->trigger();
        QCOMPARE(viewer, QStringLiteral("frmHelp"));
    }

    // The utility commands of the shell: the update check reports an unreachable server, printing
    // from a file ends quietly when no file is chosen, the text editor opens as a screen.
    void utilityCommands()
    {
        Settings settings;
        freshSettings(settings);
        settings.writeString(
            QStringLiteral("Mukodes"), QStringLiteral("UpdateServer"), QStringLiteral("http://127.0.0.1:1"));
        ScriptedMessenger messenger;
        TFormMain window(settings);
        window.setMessenger(messenger);
        const Services services{settings, messenger, m_filePrompt, m_datePrompt};
        TfrmSetup setup(services, &window);
        registerAllCommands(window, services, setup);
        for (const char *command : {"Frisstsellenrzseazinterneten1", "Nyomtatsfjlbl1", "Szvegszerkeszt1"})
            QVERIFY2(window.commandAction(QString::fromLatin1(command))->isEnabled(), command);

        window.commandAction(QStringLiteral("Frisstsellenrzseazinterneten1"))->trigger();
        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().symbol, 2);
        QVERIFY(window.askOnExit());

        messenger.clear();
        window.commandAction(QStringLiteral("Nyomtatsfjlbl1"))->trigger();
        QVERIFY(messenger.shown().isEmpty());

        QString shown;
        QTimer::singleShot(0, &window, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            shown = modal ? modal->objectName() : QString();
            if (modal)
                modal->close();
        });
        window.commandAction(QStringLiteral("Szvegszerkeszt1"))->trigger();
        QCOMPARE(shown, QStringLiteral("frmEditbox"));
        QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü       "));
    }

    void aboutBoxShown()
    {
        Settings settings;
        freshSettings(settings);
        ScriptedMessenger messenger;
        TFormMain window(settings);
        const Services services{settings, messenger, m_filePrompt, m_datePrompt};
        TfrmSetup setup(services, &window);
        registerAllCommands(window, services, setup);
        QString shown;
        QPointer<QWidget> about;
        QTimer::singleShot(0, &window, [&] {
            about = QApplication::activeModalWidget();
            shown = about ? about->objectName() : QString();
            if (about)
                about->close();
        });
        window.commandAction(QStringLiteral("Nevjegy1"))->trigger();
        QCOMPARE(shown, QStringLiteral("AboutBox"));
        // Destroyed after its run; no menu path for this command.
        QVERIFY(about.isNull());
        QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü     "));
    }

    void vendorWebSite()
    {
        Settings settings;
        freshSettings(settings);
        TFormMain window(settings);
        m_openedUrls.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        window.commandAction(QStringLiteral("Salviaazinterneten1"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(m_openedUrls, QList<QUrl>({QUrl(QStringLiteral("https://www.salvia-szoftver.hu"))}));
        QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü     "));
    }
};

QTEST_MAIN(TestAppFormMain)
#include "tst_formmain.moc"
