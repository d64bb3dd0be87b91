#pragma once

#include "reports/MenuDish.h"

#include <QList>

// The menu list's day groups: the dishes of one date, headed by the group name of the day's first
// dish, with the day's sums.
struct MenuListDay
{
    QDate date;
    QString groupName;
    QList<MenuDish> dishes;
    DishValues sums;
};

namespace MenuListDays {

// Dishes already in the menu list's order (MenuDishRows::sortByDate) grouped by date.
QList<MenuListDay> group(const QList<MenuDish> &dishes);

} // namespace MenuListDays
