#pragma once

#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

// Where a feature room registers its menu commands; the main window implements it. `command` is
// the menu item's name (its QAction's objectName), which each room keeps as a named constant; a
// name that is no menu command is refused and reported by the start-up command check.
class CommandRegistry
{
public:
    // Creates a screen as a child of the given window; the window destroys it after the run.
    using ScreenFactory = std::function<std::unique_ptr<QDialog>(QWidget *parent)>;
    // Runs a created screen (its entry operation); without one the screen is shown with exec().
    using ScreenRun = std::function<void(QDialog *screen)>;

    virtual ~CommandRegistry() = default;
    virtual void registerScreen(const QString &command, ScreenFactory create, ScreenRun run = {}) = 0;
    // A command without a screen of its own (closings, backups, settings pages, help).
    virtual void registerAction(const QString &command, std::function<void()> action) = 0;
    // The window that an action's dialogs open over.
    virtual QWidget *screenParent() { return nullptr; }
    // Ends the program without the exit question (an accepted update, a deleted own login).
    virtual void endProgram() {}
};
