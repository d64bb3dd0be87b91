#include "reports/MenuListDays.h"

namespace MenuListDays {

QList<MenuListDay> group(const QList<MenuDish> &dishes)
{
    QList<MenuListDay> days;
    for (const MenuDish &dish : dishes) {
        if (days.isEmpty() || days.last().date != dish.date)
            days << MenuListDay {dish.date, dish.groupName, {}, {}};
        days.last().dishes << dish;
        days.last().sums += dish.values;
    }
    return days;
}

} // namespace MenuListDays
