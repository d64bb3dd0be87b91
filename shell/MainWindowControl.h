#pragma once

#include <QList>
#include <QString>

// What the start-up sequence does to the main window; the main window implements it, tests record it.
class MainWindowControl
{
public:
    virtual ~MainWindowControl() = default;

    virtual void setCaption(const QString &caption) = 0;
    virtual void setStatusPanel(int panel, const QString &text) = 0;
    // Greys the top-level menus at these positions, with all their commands.
    virtual void disableTopMenus(const QList<int> &positions) = 0;
    // Turns the ask-on-exit flag off and closes the main window: the program ends.
    virtual void endWithoutAsking() = 0;
    // The program version shown in the main window, four numbers joined by ".".
    virtual QString programVersion() const = 0;
};
