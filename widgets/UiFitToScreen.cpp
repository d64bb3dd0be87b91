#include "widgets/UiFitToScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void fitToScreen(QWidget *window)
{
    const QRect frame = window->frameGeometry();
    QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // Title bar and borders around the client area. Before the window is first mapped the
    // platform may not know them yet: those of the parent's window stand in for them then.
    QSize decoration = frame.size() - window->size();
    if (decoration.isNull() && window->parentWidget()) {
        const QWidget *parent = window->parentWidget()->window();
        decoration = parent->frameGeometry().size() - parent->size();
    }
    const QSize size = window->size().boundedTo(area.size() - decoration).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    const QSize outer = size + decoration;
    const int x = qBound(area.left(), frame.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y = qBound(area.top(), frame.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != frame.topLeft())
        window->move(x, y);
}
