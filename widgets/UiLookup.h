#pragma once

#include "core/LookupEntry.h"

#include <QString>

class QComboBox;

// Fills a look-up list: each entry's text shown, its code as the item data.
void fillLookup(QComboBox *list, const LookupList &entries);

// Selects the item of that key; the first item when there is none.
void selectKey(QComboBox *list, const QString &key);
