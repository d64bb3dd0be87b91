#include "widgets/UiEnterMovesFocus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

UiEnterMovesFocus *UiEnterMovesFocus::install(const QList<QWidget *> &chain)
{
    if (chain.isEmpty())
        return nullptr;
    return new UiEnterMovesFocus(chain, chain.first()->window());
}

UiEnterMovesFocus::UiEnterMovesFocus(const QList<QWidget *> &chain, QObject *parent)
    : QObject(parent)
{
    for (QWidget *widget : chain)
        m_chain << widget;
    // Every widget but the last moves on, and a last button records; a focus proxy (the edit
    // inside a spin box or an editable combo box) receives the keys itself, so it is watched too.
    for (qsizetype i = 0; i < chain.size(); ++i) {
        if (i + 1 == chain.size() && qobject_cast<QAbstractButton *>(chain[i]) == nullptr)
            break;
        chain[i]->installEventFilter(this);
        if (QWidget *proxy = chain[i]->focusProxy())
            proxy->installEventFilter(this);
    }
}

int UiEnterMovesFocus::indexOf(QObject *watched) const
{
    for (qsizetype i = 0; i < m_chain.size(); ++i) {
        QWidget *widget = m_chain[i];
        if (widget != nullptr && (widget == watched || widget->focusProxy() == watched))
            return int(i);
    }
    return -1;
}

void UiEnterMovesFocus::moveOnFrom(int index)
{
    for (qsizetype next = index + 1; next < m_chain.size(); ++next) {
        QWidget *target = m_chain[next];
        if (target != nullptr && target->isEnabled() && target->isVisible()) {
            target->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool UiEnterMovesFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    const int index = indexOf(watched);
    if (index < 0)
        return false;
    if (auto *button = qobject_cast<QAbstractButton *>(m_chain[index])) {
        if (index + 1 == m_chain.size())
            button->click();
        else
            moveOnFrom(index);
        event->accept();
        return true;
    }
    // The widget handles the key first, straight through its own event handler: sent the usual
    // way, an Enter it ignores would travel on to the dialog and press its default button. The
    // key is accepted afterwards for the same reason.
    QWidget *focused = QApplication::focusWidget();
    const QPointer<QObject> alive(watched);
    watched->event(event);
    if (alive != nullptr && QApplication::focusWidget() == focused)
        moveOnFrom(index);
    event->accept();
    return true;
}
