#include "shell/ui/FormMain.h"
#include "shell/MainMenuModel.h"
#include "session/Settings.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

// The main menu as the user sees it: every item in its place with its caption, the menu path each
// command shows in the status line, and which commands and menus are usable.
class TestAppMainMenu : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Settings m_settings;

    QList<QAction *> itemsOf(TFormMain &window, const QString &menuName)
    {
        if (menuName.isEmpty())
            return window.menuBar()->actions();
        QMenu *menu = window.findChild<QMenu *>(menuName);
        return menu ? menu->actions() : QList<QAction *>();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_settings.setProgramPath(m_dir.path());
    }

    // Each menu's items in display order: "name=caption", "-" for a separator.
    void menuItems_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("menu bar") << ""
                                  << QStringList {"Torzsadatok1=&Törzsadatok", "Adatkarbantartas1=&Adatkarbantartás",
                                         "Feldolgozas1=&Feldolgozás", "Lekerdezes1=&Lekérdezés", "N2=&Egyebek",
                                         "Beallitasok1=&Beállítások", "N3=               ", "Szervz1=S&zervíz",
                                         "Sugo1=&Súgó", "Alacart1=A La Carte", "Kilepes=&Kilépés!"};
        QTest::newRow("Kdrendszer1") << "Kdrendszer1"
                                     << QStringList {"Fknyviszmok1=Főkönyvi számok", "Mozgsnemek1=Mozgásnemek",
                                            "FAkdtr1=ÁFA kódtár", "Mrtkegysgkdtr1=Mértékegység kódtár",
                                            "Allergnanyagok1=Allergén anyagok", "Vesztesgikdok1=Veszteségi kódok"};
        QTest::newRow("Karbantarts1") << "Karbantarts1"
                                      << QStringList {"Bevtelibizonylatmdosts1=Bevételi bizonylat tétel módosítás",
                                             "Bevtelibizonylattrls1=Bevételi bizonylat tétel törlés", "-",
                                             "Kiadsibizonylatmdosts1=Kiadási bizonylat tétel módosítás",
                                             "Kiadsibizonylattrls1=Kiadási bizonylat tétel törlés",
                                             "Kiadsibizonylattrls2=Kiadási bizonylat törlés", "-",
                                             "Napikiszabattrls1=Napi kiszabat törlés"};
        QTest::newRow("Sugo1") << "Sugo1"
                               << QStringList {"ltalnoshasznlat1=Általános használat", "Tmakrk1=Témakörök",
                                      "Salviaazinterneten1=Salvia az interneten", "Nevjegy1=Névjegy"};
        QTest::newRow("Alacart1") << "Alacart1"
                                  << QStringList {"telcsoportok1=Étel csoportok", "telberazs1=Étel beárazás",
                                         "Napitlapmegadsa1=Napi étlap megadása", "Kiszabat2=Kiszabat",
                                         "Hetitlapnyomtats1=Heti étlapnyomtatás"};
    }
    void menuItems()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        TFormMain window(m_settings);
        const QList<QAction *> actions = itemsOf(window, menu);
        QStringList actual;
        for (QAction *action : actions) {
            if (action->isSeparator()) {
                actual << QStringLiteral("-");
                continue;
            }
            const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
            actual << name + QLatin1Char('=') + action->text();
        }
        QCOMPARE(actual, items);
    }

    // The window builds every menu of the model, in the model's order, with nothing left out or
    // added (the literal rows above pin the table itself).
    void everyMenuFollowsTheModel()
    {
        TFormMain window(m_settings);
        QStringList menus {QString()};
        for (const MainMenuEntry &entry : MainMenuModel::entries()) {
            if (entry.kind == MainMenuEntry::Kind::Menu)
                menus << entry.name;
        }
        QVERIFY(menus.size() > 20);
        for (const QString &menu : menus) {
            QStringList expected;
            for (const MainMenuEntry &entry : MainMenuModel::children(menu))
                expected << (entry.kind == MainMenuEntry::Kind::Separator ? QStringLiteral("-") : entry.name);
            QStringList actual;
            for (QAction *action : itemsOf(window, menu)) {
                if (action->isSeparator())
                    actual << QStringLiteral("-");
                else
                    actual << (action->menu() ? action->menu()->objectName() : action->objectName());
            }
            QVERIFY2(!actual.isEmpty(), qPrintable(menu));
            QCOMPARE(actual, expected);
        }
    }

    void menuBarAndSpacer()
    {
        TFormMain window(m_settings);
        QCOMPARE(window.menuBar()->objectName(), QStringLiteral("MainMenu1"));
        const QList<QAction *> top = window.menuBar()->actions();
        QCOMPARE(top.size(), 11);
        // The spacer is never usable, whatever the rights.
        QVERIFY(!top.at(6)->isEnabled());
        window.applyMenuRights(5);
        QVERIFY(!top.at(6)->isEnabled());
        // The model places every entry under the menu-bar item the rights refer to.
        QCOMPARE(MainMenuModel::topPosition(QStringLiteral("tkezsreanyaglista1")), 3);
        QCOMPARE(MainMenuModel::topPosition(QStringLiteral("Kilepes")), 10);
        QCOMPARE(MainMenuModel::topPosition(QStringLiteral("nincs ilyen")), -1);
    }

    // The menu path each command writes into status panel 4 while it runs ("" : none).
    void commandStatusPaths_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("path");
        QTest::newRow("Fknyviszmok1") << "Fknyviszmok1"
                                      << "Törzsadatok -> Főkönyvi számok karbantartása";
        QTest::newRow("Kiszabat1") << "Kiszabat1"
                                   << "Adatkarbantartás -> Kiszabat megadása";
        QTest::newRow("Aktvvlekrse1") << "Aktvvlekrse1"
                                      << "Feldolgozás -> Aktív munkaév lekérése";
        QTest::newRow("Anyagkarton1") << "Anyagkarton1"
                                      << "Lekérdezés -> Anyagkarton lekérése, nyomtatása";
        QTest::newRow("Frisstsellenrzseazinterneten1") << "Frisstsellenrzseazinterneten1"
                                                       << "Súgó -> Frissítés ellenőrzése az interneten";
        QTest::newRow("Tmakrk1") << "Tmakrk1"
                                 << "Súgó -> Témakörök, tartalomjegyzék";
        QTest::newRow("Nevjegy1") << "Nevjegy1"
                                  << "";
        QTest::newRow("Kilepes") << "Kilepes"
                                 << "";
    }
    void commandStatusPaths()
    {
        QFETCH(QString, command);
        QFETCH(QString, path);
        TFormMain window(m_settings);
        QString during;
        window.registerAction(command, [&] { during = window.statusPanelText(4); });
        QAction *action = window.findChild<QAction *>(command);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        action->trigger();
        if (path.isEmpty()) {
            QCOMPARE(during, QStringLiteral("Főmenü     "));
            QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü     "));
        } else {
            QCOMPARE(during, path + QStringLiteral("       "));
            QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü       "));
        }
    }

    // Every command of the model shows its own path while it runs and gives the status line back.
    void everyCommandShowsItsPath()
    {
        TFormMain window(m_settings);
        for (const QString &command : MainMenuModel::commandNames()) {
            QString during;
            window.registerAction(command, [&] { during = window.statusPanelText(4); });
            const QString before = window.statusPanelText(4);
            window.findChild<QAction *>(command)->trigger();
            // A command without a path leaves the status line as it was.
            const QString path = MainMenuModel::find(command)->statusPath;
            QCOMPARE(during, path.isEmpty() ? before : path + QStringLiteral("       "));
            QVERIFY2(window.statusPanelText(4).startsWith(QStringLiteral("Főmenü")), qPrintable(command));
        }
    }

    void commandsWaitForTheirScreens()
    {
        TFormMain window(m_settings);
        // Only what the main window answers itself is usable at first.
        const QStringList ownCommands
            = {QStringLiteral("Aktvvlekrse1"), QStringLiteral("Salviaazinterneten1"), QStringLiteral("Kilepes")};
        for (const QString &command : MainMenuModel::commandNames()) {
            QAction *action = window.findChild<QAction *>(command);
            QVERIFY2(action, qPrintable(command));
            QCOMPARE(action->isEnabled(), ownCommands.contains(command));
        }

        // A disabled command does nothing even when run directly.
        window.runCommand(QStringLiteral("Leltr1"));
        QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü     "));

        int created = 0;
        window.registerScreen(QStringLiteral("Leltr1"), [&](QWidget *parent) {
            ++created;
            auto screen = std::make_unique<QDialog>(parent);
            QTimer::singleShot(0, screen.get(), &QDialog::accept);
            return screen;
        });
        QVERIFY(window.findChild<QAction *>(QStringLiteral("Leltr1"))->isEnabled());
        QVERIFY(!window.findChild<QAction *>(QStringLiteral("Anyagkarton1"))->isEnabled());
        window.findChild<QAction *>(QStringLiteral("Leltr1"))->trigger();
        QCOMPARE(created, 1);
    }

    // Positions of the menu-bar items left usable by each access level.
    void menuRights_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("enabled");
        QTest::newRow("1 Teljes") << 1 << QList<int> {0, 1, 2, 3, 4, 5, 8, 9, 10};
        QTest::newRow("2 Adminisztrációs") << 2 << QList<int> {1, 2, 3, 4, 5, 8, 9, 10};
        QTest::newRow("3 Felhasználói") << 3 << QList<int> {2, 3, 8, 9, 10};
        QTest::newRow("5 Superuser") << 5 << QList<int> {0, 1, 2, 3, 4, 5, 7, 8, 9, 10};
        QTest::newRow("unknown level") << 4 << QList<int> {2, 3, 8, 9, 10};
    }
    void menuRights()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, enabled);
        TFormMain window(m_settings);
        // Every command has a screen, so only the rights decide.
        for (const QString &command : MainMenuModel::commandNames())
            window.registerAction(command, [] {});
        // The rights are applied by the start-up sequence; the menus open once it has run.
        window.setStartupHook([&window, level] { window.applyMenuRights(level); });
        window.show();
        QTRY_VERIFY(window.startupRan());

        const QList<QAction *> top = window.menuBar()->actions();
        QList<int> actual;
        for (int position = 0; position < top.size(); ++position) {
            if (top.at(position)->isEnabled())
                actual << position;
        }
        QCOMPARE(actual, enabled);

        // The commands of a greyed menu are unusable too, also when run directly.
        for (const QString &command : MainMenuModel::commandNames()) {
            const bool allowed = enabled.contains(MainMenuModel::topPosition(command));
            QCOMPARE(window.findChild<QAction *>(command)->isEnabled(), allowed);
        }
        if (!enabled.contains(7)) {
            bool ran = false;
            window.registerAction(QStringLiteral("blaszerkeszt1"), [&] { ran = true; });
            window.runCommand(QStringLiteral("blaszerkeszt1"));
            QVERIFY(!ran);
            QVERIFY(!window.findChild<QAction *>(QStringLiteral("blaszerkeszt1"))->isEnabled());
        }
    }
};

QTEST_MAIN(TestAppMainMenu)
#include "tst_mainmenu.moc"
