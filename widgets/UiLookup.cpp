#include "widgets/UiLookup.h"

#include <QComboBox>

void fillLookup(QComboBox *list, const LookupList &entries)
{
    list->clear();
    for (const LookupEntry &entry : entries)
        list->addItem(entry.text, entry.code);
}

void selectKey(QComboBox *list, const QString &key)
{
    const int index = list->findData(key);
    list->setCurrentIndex(index >= 0 ? index : (list->count() > 0 ? 0 : -1));
}
