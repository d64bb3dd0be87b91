#pragma once

#include <QPushButton>
#include <QString>

// Controls carry their names as objectName, so tests and refusals find them.
template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A named push button that Enter presses while it has the focus.
inline QPushButton *namedButton(const QString &text, QWidget *parent, const char *name)
{
    auto *button = named(new QPushButton(text, parent), name);
    button->setAutoDefault(true);
    return button;
}
