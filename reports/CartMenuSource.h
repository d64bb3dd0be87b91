#pragma once

#include "reports/MenuDishRows.h"

// The a-la-carte menu (CartEtlap) by dish groups (CartCsop): a row's group is its dish group code,
// named by the group's Megnev; the meal type and norm code stay empty, so the weekly rows follow
// the group codes. Rows whose group is gone are not read.
class CartMenuSource : public ServedDishSource
{
public:
    Checked<QList<ServedDish>> served(
        QSqlDatabase db, const QDate &from, const QDate &to, const QStringList &groups) override;
};
