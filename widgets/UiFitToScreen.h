#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Shrinks a window that is about to be shown to the available area of its screen and moves it
// inside that area, so that no part of it (its frame included) lies past an edge or under a task
// bar. Call from the window's showEvent, after the platform has placed it.
void fitToScreen(QWidget *window);
// The same within a given area (the available geometry of the window's screen).
void fitToArea(QWidget *window, const QRect &area);

namespace UiFitToScreen {

// The title bar and borders around a window's client area. Before a window is first mapped the
// platform may not know them yet; then those of its parent's window, or of another shown window,
// stand in, and with none of these a generous estimate from the style and font.
QSize decoration(const QWidget *window);

// Where a window fits: its client size (never below `minimum`) and the top-left of its frame.
struct Placement
{
    QSize size;
    QPoint frameTopLeft;
};
Placement place(const QRect &frame, const QSize &size, const QSize &decoration, const QSize &minimum, const QRect &area);

} // namespace UiFitToScreen
