#pragma once

#include <QPushButton>
#include <QString>

class Messenger;
class QAbstractItemModel;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
struct Refusal;
struct Services;

// Gives a control its objectName (the member's name, which screen tests look up) and returns it.
template <typename T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

template <typename T> T *named(T *widget, const char *name)
{
    return named(widget, QLatin1String(name));
}

// A named text field; a positive maxLength bounds it (UiBoundedField).
QLineEdit *lineEdit(QWidget *parent, const QString &name, int maxLength = 0);

// A caption whose mnemonic focuses `buddy`.
QLabel *buddyLabel(QWidget *parent, const QString &caption, QWidget *buddy);

// A named date field with a calendar, shown as "yyyy.MM.dd".
QDateEdit *datePicker(QWidget *parent, const QString &name);

// A named push button; enterPresses: Enter on the focused button presses it (autoDefault).
QPushButton *pushButton(QWidget *parent, const QString &name, const QString &caption, bool enterPresses);

// A named read-only grid on the model that selects one whole row at a time.
QTableView *browseGrid(QWidget *parent, const QString &name, QAbstractItemModel *model);

// Shows a refusal with its "OK" button and moves the focus to the control of the screen that it
// names, when that control can take it. False for a null refusal (nothing shown).
bool showRefusal(QWidget *screen, Messenger &messenger, const Refusal &refusal);

// The notices after a saved edit, each shown unless the user has switched it off in the settings.
void noticeAdded(const Services &services);
void noticeModified(const Services &services);
