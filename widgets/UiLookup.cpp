#include "widgets/UiLookup.h"

#include <QComboBox>
#include <QSqlQuery>

void fillLookup(QComboBox *list, QSqlDatabase db, const QString &sql, const QVariantList &values)
{
    list->clear();
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return;
    while (query.next())
        list->addItem(query.value(1).toString(), query.value(0));
}
