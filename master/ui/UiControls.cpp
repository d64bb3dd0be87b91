#include "master/ui/UiControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>

namespace UiControls {

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *created = new QPushButton(caption, parent);
    created->setObjectName(name);
    // Enter belongs to the fields (search, moving on); a button is pressed by itself or its key.
    created->setAutoDefault(false);
    return created;
}

QLineEdit *lineEdit(QWidget *parent, const QString &name, int maxLength)
{
    auto *created = new QLineEdit(parent);
    created->setObjectName(name);
    if (maxLength > 0)
        created->setMaxLength(maxLength);
    return created;
}

QLabel *label(QWidget *parent, const QString &caption, QWidget *buddy)
{
    auto *created = new QLabel(caption, parent);
    created->setBuddy(buddy);
    return created;
}

void fillLookup(QComboBox *combo, QSqlDatabase db, const QString &sql)
{
    combo->clear();
    QSqlQuery query(db);
    if (!query.exec(sql))
        return;
    while (query.next())
        combo->addItem(query.value(1).toString(), query.value(0).toString());
}

void selectKey(QComboBox *combo, const QString &key)
{
    const int index = combo->findData(key);
    combo->setCurrentIndex(index >= 0 ? index : (combo->count() > 0 ? 0 : -1));
}

void focus(QWidget *screen, const QString &name)
{
    if (name.isEmpty())
        return;
    if (auto *control = screen->findChild<QWidget *>(name))
        control->setFocus();
}

} // namespace UiControls
