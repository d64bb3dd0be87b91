#pragma once

#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <QTimer>
#include <functional>
#include <memory>

#include "widgets/CommandRegistry.h"

class Messenger;
class QAction;
class QDialog;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class Settings;

// The main window: menu bar, five-panel status line and the logo with the program version. Every
// menu command runs through runCommand(); a command is usable once a screen or action is registered
// for it and the user's menu rights allow its menu.
class TFormMain : public QMainWindow, public CommandRegistry
{
    Q_OBJECT
public:

    explicit TFormMain(Settings &settings, QWidget *parent = nullptr);
    ~TFormMain() override;

    // The message dialog; created after the main window, so it is handed over afterwards.
    void setMessenger(Messenger &messenger);

    // Commands. `command` is the handler name without "Click" (the QAction's objectName).
    void registerScreen(const QString &command, ScreenFactory create, ScreenRun run = {}) override;
    void registerAction(const QString &command, std::function<void()> action) override;
    bool hasHandler(const QString &command) const { return m_handlers.contains(command); }
    QWidget *screenParent() override { return this; }
    void endProgram() override { endWithoutAsking(); }
    // The commands registered so far, and the names refused because the menu has no such command.
    QSet<QString> registeredCommands() const;
    QStringList unknownRegistrations() const { return m_unknownRegistrations; }
    // The shared command pattern: menu path into status panel 4, create, run, destroy the screen,
    // the follow-up if any, "Főmenü" back into panel 4.
    void runCommand(const QString &command);
    // Follow-up of the monthly closing and the restores: re-read the work year.
    void setWorkYearReload(std::function<void()> reload) { m_workYearReload = std::move(reload); }
    // Opens the help viewer on a page; also enables the help commands and F1.
    void setHelpViewer(std::function<void(const QString &page)> viewer);

    // Status line `stbStatusz`. Panel 4 always gets its text followed by seven blanks.
    void setStatusPanel(int panel, const QString &text);
    QString statusPanelText(int panel) const;
    // Panel 3: "•" while network locking is allowed (DisaLock off), empty otherwise.
    void updateLockMarker();

    void setCaption(const QString &caption) { setWindowTitle(caption); }

    // Menu rights: greys the menu-bar items at these positions with all their commands.
    void disableTopMenus(const QList<int> &positions);
    void applyMenuRights(int securLevel);

    // Exit: with the flag on, closing asks first.
    bool askOnExit() const { return m_askOnExit; }
    void setAskOnExit(bool ask) { m_askOnExit = ask; }
    // Ends the program without the exit question.
    void endWithoutAsking();
    // Shows the window maximized in front (a second copy asked for it).
    void bringToFront();

    // Runs once from the first tick of `tmrInit` after the window is first shown.
    void setStartupHook(std::function<void()> hook) { m_startupHook = std::move(hook); }
    bool startupRan() const { return m_startupRan; }

    QString programVersion() const { return m_version; }
    QTimer *startupTimer() const { return tmrInit; }
    // The repair watchdog `tmrDB`: started by the database repair, which also handles its timeout.
    QTimer *repairWatchdog() const { return tmrDB; }

    QAction *commandAction(const QString &command) const { return m_commands.value(command); }
    QMenu *menu(const QString &name) const { return m_menus.value(name); }
    QWidget *clientArea() const { return m_client; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Handler
    {
        ScreenFactory create;
        ScreenRun run;
        std::function<void()> action;
    };

    void buildMenu();
    void buildStatusLine();
    void buildClientArea();
    void placeLogo();
    void updateCommandStates();
    bool acceptsRegistration(const QString &command);
    void startupTick();

    Settings &m_settings;
    Messenger *m_messenger = nullptr;

    QHash<QString, QMenu *> m_menus;
    QHash<QString, QAction *> m_commands;
    QList<QAction *> m_topActions;
    QHash<QString, Handler> m_handlers;
    QStringList m_unknownRegistrations;
    QSet<int> m_disabledTop;

    QMenuBar *MainMenu1 = nullptr;
    QStatusBar *stbStatusz = nullptr;
    QLabel *m_panels[5] = {};
    QWidget *m_client = nullptr;
    QLabel *imgLogo = nullptr;
    QLabel *lblLogo = nullptr;
    QTimer *tmrInit = nullptr;
    QTimer *tmrDB = nullptr;

    std::function<void()> m_workYearReload;
    std::function<void(const QString &)> m_helpViewer;
    std::function<void()> m_startupHook;

    QString m_version;
    bool m_askOnExit = true;
    bool m_shown = false;
    bool m_startupRan = false;
    bool m_menusReady = false;
};
