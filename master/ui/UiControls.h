#pragma once

#include <QString>

#include <QSqlDatabase>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Named controls of the master-data screens: the objectName is the control's name, so tests and
// refusals find it.
namespace UiControls {

QPushButton *button(QWidget *parent, const QString &name, const QString &caption);
QLineEdit *lineEdit(QWidget *parent, const QString &name, int maxLength = 0);
QLabel *label(QWidget *parent, const QString &caption, QWidget *buddy = nullptr);
// Fills a look-up list from a query of two columns: the key (item data) and the text shown.
void fillLookup(QComboBox *combo, QSqlDatabase db, const QString &sql);
// Selects the item of that key; the first item when there is none.
void selectKey(QComboBox *combo, const QString &key);
// Puts the focus on the named control of the screen, if there is one.
void focus(QWidget *screen, const QString &name);

} // namespace UiControls
