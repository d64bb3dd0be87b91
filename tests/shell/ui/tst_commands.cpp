#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "shell/CommandCheck.h"
#include "shell/MainMenuModel.h"
#include "shell/ui/AllCommands.h"
#include "shell/ui/FormMain.h"
#include "shell/ui/frmSetup.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

class TestShellCommands : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Settings m_settings;
    ScriptedMessenger m_messenger;
    ScriptedFilePrompt m_files;
    ScriptedDatePrompt m_dates;

private slots:
    void init() { m_settings.setProgramPath(m_dir.path()); }

    // What the program checks at start-up: every menu command is registered by its room or is on
    // the list of commands not built yet, and no room registered a name the menu does not have.
    void everyMenuCommandIsRegisteredOrUnbuilt()
    {
        TFormMain window(m_settings);
        window.setMessenger(m_messenger);
        const Services services{m_settings, m_messenger, m_files, m_dates};
        TfrmSetup setup(services, &window);
        registerAllCommands(window, services, setup);
        QCOMPARE(CommandCheck::problems(window.registeredCommands(), window.unknownRegistrations()), QStringList());
        // Registered commands are usable, unbuilt ones stay grey.
        QVERIFY(window.commandAction(QStringLiteral("Szvegszerkeszt1"))->isEnabled());
        QVERIFY(window.commandAction(QStringLiteral("Hetitlapnyomtats1"))->isEnabled());
        for (const QString &command : CommandCheck::unbuiltCommands())
            QVERIFY2(!window.commandAction(command)->isEnabled(), qPrintable(command));
    }

    // A menu command nobody registered stays grey until its room registers it.
    void unregisteredCommandStaysGrey()
    {
        TFormMain window(m_settings);
        QAction *action = window.commandAction(QStringLiteral("Hetitlapnyomtats1"));
        QVERIFY(action);
        QVERIFY(!action->isEnabled());
        window.registerAction(QStringLiteral("Hetitlapnyomtats1"), [] {});
        QVERIFY(action->isEnabled());
    }

    // A name the menu does not have is refused, not silently kept, and the check reports it.
    void unknownNameIsRefusedAndReported()
    {
        TFormMain window(m_settings);
        bool ran = false;
        window.registerAction(QStringLiteral("Nincsilyen1"), [&] { ran = true; });
        window.registerAction(QStringLiteral("Torzsadatok1"), [&] { ran = true; }); // a menu, no command
        QVERIFY(!window.hasHandler(QStringLiteral("Nincsilyen1")));
        QVERIFY(!window.hasHandler(QStringLiteral("Torzsadatok1")));
        QCOMPARE(window.unknownRegistrations(), QStringList({"Nincsilyen1", "Torzsadatok1"}));
        const QStringList problems = CommandCheck::problems(window.registeredCommands(), window.unknownRegistrations());
        QVERIFY(problems.contains(QStringLiteral("Ismeretlen parancs bejegyzése: Nincsilyen1")));
        QVERIFY(problems.contains(QStringLiteral("Ismeretlen parancs bejegyzése: Torzsadatok1")));
        QVERIFY(!ran);
    }

    // A built command left on the unbuilt list, a built command nobody registers and a listed name
    // the menu does not have all show; with every command built the list may be empty.
    void checkFindsBothKindsOfGap()
    {
        QSet<QString> registered;
        for (const QString &command : MainMenuModel::commandNames()) {
            if (!CommandCheck::unbuiltCommands().contains(command))
                registered.insert(command);
        }
        QCOMPARE(CommandCheck::problems(registered, {}), QStringList());

        QSet<QString> all;
        for (const QString &command : MainMenuModel::commandNames())
            all.insert(command);
        QCOMPARE(CommandCheck::problems(all, {}, {}), QStringList());

        QSet<QString> missing = all;
        missing.remove(QStringLiteral("Nevjegy1"));
        QCOMPARE(CommandCheck::problems(missing, {}, {}),
            QStringList({QStringLiteral("A menüparancshoz nincs bejegyzett parancs: Nevjegy1")}));
        QCOMPARE(CommandCheck::problems(missing, {}, {QStringLiteral("Nevjegy1")}), QStringList());

        QCOMPARE(CommandCheck::problems(all, {}, {QStringLiteral("Hetitlapnyomtats1")}),
            QStringList({QStringLiteral("Bejegyzett parancs a meg nem épített parancsok listáján: Hetitlapnyomtats1")}));
        QCOMPARE(CommandCheck::problems(all, {}, {QStringLiteral("Nincsilyen1")}),
            QStringList({QStringLiteral("A meg nem épített parancsok listáján nem menüparancs áll: Nincsilyen1")}));
    }
};

QTEST_MAIN(TestShellCommands)
#include "tst_commands.moc"
