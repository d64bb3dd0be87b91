#pragma once

#include <QSqlDatabase>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// Named fields and look-up lists of the master-data screens: the objectName is the control's
// name, so tests and refusals find it.
namespace MasterControls {

QLineEdit *lineEdit(QWidget *parent, const QString &name, int maxLength = 0);
QLabel *label(QWidget *parent, const QString &caption, QWidget *buddy = nullptr);
// Fills a look-up list from a query of two columns: the key (item data) and the text shown.
void fillLookup(QComboBox *combo, QSqlDatabase db, const QString &sql);
// Selects the item of that key; the first item when there is none.
void selectKey(QComboBox *combo, const QString &key);

} // namespace MasterControls
