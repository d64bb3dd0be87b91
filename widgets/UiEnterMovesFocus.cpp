#include "widgets/UiEnterMovesFocus.h"

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
    // Every widget but the last moves on; a focus proxy (the edit inside a spin box or an
    // editable combo box) receives the keys itself, so it is watched too.
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
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
    for (qsizetype next = index + 1; next < m_chain.size(); ++next) {
        QWidget *target = m_chain[next];
        if (target != nullptr && target->isEnabled() && target->isVisible()) {
            target->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}
