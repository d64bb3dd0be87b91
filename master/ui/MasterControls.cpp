#include "master/ui/MasterControls.h"

#include "widgets/UiBoundedField.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>

namespace MasterControls {

QLineEdit *lineEdit(QWidget *parent, const QString &name, int maxLength)
{
    auto *created = new QLineEdit(parent);
    created->setObjectName(name);
    if (maxLength > 0)
        UiBoundedField::limit(created, maxLength);
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

} // namespace MasterControls
