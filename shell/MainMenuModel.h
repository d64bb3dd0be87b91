#pragma once

#include <QList>
#include <QString>

// One item of the main menu: a (sub)menu, a command or a separator.
struct MainMenuEntry
{
    enum class Kind { Menu, Command, Separator, Spacer };
    // What runs after a command's screen is destroyed and before the status line returns to "Főmenü".
    enum class FollowUp { None, ReloadWorkYear };

    Kind kind = Kind::Command;
    // objectName: a command's handler name without "Click", a menu's or separator's own name.
    QString name;
    QString caption;
    // Name of the containing menu; empty for the items of the menu bar itself.
    QString parent;
    // Written into status panel 4 while the command runs; empty: the command leaves the status line alone.
    QString statusPath;
    // What the command opens: a screen class, or a description of the action.
    QString screen;
    FollowUp followUp = FollowUp::None;
    // Help page a help command opens.
    QString helpPage;
};

// The main menu as data: the window builds its menu bar from it, and the menu rights and the command
// registry look commands up in it.
class MainMenuModel
{
public:
    // Every entry in menu order: a menu is followed (not necessarily at once) by its children, and the
    // children of one menu appear in their display order. The menu bar's items are the entries with
    // an empty parent, in position order 0..10.
    static const QList<MainMenuEntry> &entries();

    // The entry of that name, or nullptr.
    static const MainMenuEntry *find(const QString &name);
    // The entries directly inside the named menu (empty name: the menu bar), in display order.
    static QList<MainMenuEntry> children(const QString &parent);
    static QStringList commandNames();

    // Position of the menu-bar item that holds the entry (directly or through submenus); -1 if unknown.
    static int topPosition(const QString &name);
    // Names of the menu-bar items by position.
    static QStringList topNames();

    // Positions of the menu-bar items that an access level may not use.
    static QList<int> disabledTopMenus(int securLevel);

    // Status panel 4 outside a command, and the blanks that always follow its text.
    static QString mainMenuStatus() { return QStringLiteral("Főmenü"); }
    static QString statusSuffix() { return QStringLiteral("       "); }
    // Position of the blank, always disabled spacer of the menu bar.
    static constexpr int spacerPosition = 6;
};
