#include "widgets/UiFitToScreen.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace {

QSize knownDecoration(const QWidget *window)
{
    return window->frameGeometry().size() - window->size();
}

} // namespace

namespace UiFitToScreen {

QSize decoration(const QWidget *window)
{
    QSize known = knownDecoration(window);
    if (!known.isNull())
        return known;
    if (window->parentWidget()) {
        known = knownDecoration(window->parentWidget()->window());
        if (!known.isNull())
            return known;
    }
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && other->isWindow()) {
            known = knownDecoration(other);
            if (!known.isNull())
                return known;
        }
    }
    // No window shows its frame yet (the first window, or a platform that tells only after
    // mapping): a title bar of two text lines and thin borders, rather too much than too little.
    const int border = std::max(4, window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth));
    const int title
        = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight), 2 * window->fontMetrics().height());
    return {2 * border, title + 2 * border};
}

Placement place(const QRect &frame, const QSize &size, const QSize &decoration, const QSize &minimum, const QRect &area)
{
    Placement placement;
    placement.size = size.boundedTo(area.size() - decoration).expandedTo(minimum);
    const QSize outer = placement.size + decoration;
    placement.frameTopLeft
        = QPoint(qBound(area.left(), frame.left(), std::max(area.left(), area.right() + 1 - outer.width())),
            qBound(area.top(), frame.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    return placement;
}

} // namespace UiFitToScreen

void fitToArea(QWidget *window, const QRect &area)
{
    const QRect frame = window->frameGeometry();
    const UiFitToScreen::Placement placement = UiFitToScreen::place(
        frame, window->size(), UiFitToScreen::decoration(window), window->minimumSize(), area);
    if (placement.size != window->size())
        window->resize(placement.size);
    if (placement.frameTopLeft != frame.topLeft())
        window->move(placement.frameTopLeft);
}

void fitToScreen(QWidget *window)
{
    QScreen *screen = QGuiApplication::screenAt(window->frameGeometry().center());
    if (!screen)
        screen = window->screen();
    if (screen)
        fitToArea(window, screen->availableGeometry());
}
