#include "widgets/UiWheelAsArrowKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

UiWheelAsArrowKeys *UiWheelAsArrowKeys::install(QWidget *screen)
{
    auto *filter = new UiWheelAsArrowKeys(screen);
    qApp->installEventFilter(filter);
    return filter;
}

UiWheelAsArrowKeys::UiWheelAsArrowKeys(QWidget *screen)
    : QObject(screen)
    , m_screen(screen)
{
}

bool UiWheelAsArrowKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !m_screen)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    // Only the screen's own window: a preview or dialog opened from it keeps its wheel.
    if (!widget || widget->window() != m_screen->window())
        return false;
    const auto *wheel = static_cast<QWheelEvent *>(event);
    const int delta = wheel->angleDelta().y();
    if (delta == 0)
        return false;
    m_pending += delta;
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != m_screen->window())
        target = widget;
    // 120 is one notch of an ordinary wheel.
    while (qAbs(m_pending) >= 120) {
        const int key = m_pending > 0 ? Qt::Key_Up : Qt::Key_Down;
        m_pending += m_pending > 0 ? -120 : 120;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
    return true;
}
