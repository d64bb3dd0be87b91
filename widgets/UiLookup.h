#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

class QComboBox;

// Fills a look-up list from a query whose first column is the key (item data) and whose second
// is the shown text.
void fillLookup(QComboBox *list, QSqlDatabase db, const QString &sql, const QVariantList &values = {});
