#include "reports/WeeklyMenu.h"

#include "core/Dates.h"
#include "reports/MenuDishRows.h"

#include <algorithm>

namespace WeeklyMenu {

namespace {

QDate mondayOfWeekOne(int year)
{
    const QDate fourth(year, 1, 4);
    return fourth.addDays(1 - fourth.dayOfWeek());
}

Week week(int number, const QDate &monday, bool sevenDays)
{
    const QDate last = monday.addDays(sevenDays ? 6 : 4);
    return {QStringLiteral("%1. hét %2 - %3").arg(number).arg(Dates::shortText(monday), Dates::shortText(last)),
        monday, last};
}

} // namespace

QList<Week> weeks(int year, bool sevenDays)
{
    QList<Week> list;
    const QDate first = mondayOfWeekOne(year);
    for (int n = 1; n <= 52; ++n)
        list << week(n, first.addDays(7 * (n - 1)), sevenDays);
    list << week(53, list.last().first.addDays(7), sevenDays);
    return list;
}

int preselectedWeek(int year, const QDate &today)
{
    if (year != today.year())
        return 0;
    const QList<Week> list = weeks(year, true);
    for (int i = 0; i < list.size(); ++i)
        if (today >= list.at(i).first && today <= list.at(i).last)
            return i;
    return 0;
}

QList<RowCaption> rowCaptions(const QList<MenuDish> &dishes)
{
    struct Group
    {
        QString tip;
        QString enorma;
        RowCaption caption;
    };
    QList<Group> groups;
    for (const MenuDish &dish : dishes) {
        const bool known = std::any_of(groups.cbegin(), groups.cend(),
            [&](const Group &g) { return g.caption.code == dish.groupCode && g.caption.name == dish.groupName; });
        if (!known)
            groups << Group {dish.tip, dish.enorma, {dish.groupCode, dish.groupName}};
    }
    std::stable_sort(groups.begin(), groups.end(), [](const Group &a, const Group &b) {
        if (a.tip != b.tip)
            return a.tip < b.tip;
        if (a.enorma != b.enorma)
            return a.enorma < b.enorma;
        return a.caption.code < b.caption.code;
    });
    QList<RowCaption> captions;
    for (const Group &group : groups.mid(0, MaxRows))
        captions << group.caption;
    return captions;
}

Cell cell(const QList<MenuDish> &dishes, const QDate &day, const QString &rowCode)
{
    Cell result;
    if (rowCode.isEmpty())
        return result;
    QList<const MenuDish *> chosen;
    for (const MenuDish &dish : dishes)
        if (dish.date == day && dish.groupCode == rowCode.left(2))
            chosen << &dish;
    std::stable_sort(
        chosen.begin(), chosen.end(), [](const MenuDish *a, const MenuDish *b) { return a->menuId < b->menuId; });
    for (const MenuDish *dish : chosen) {
        result.lines << dish->name;
        result.sums += dish->values;
        result.allergens = MenuDishRows::mergedMarks(result.allergens, dish->allergens);
        result.mayContain = MenuDishRows::mergedMarks(result.mayContain, dish->mayContain);
    }
    return result;
}

QString markText(const QStringList &marks)
{
    QStringList written;
    for (const QString &mark : marks) {
        const bool quoted = mark.contains(QLatin1Char(' ')) || mark.contains(QLatin1Char(','))
            || mark.contains(QLatin1Char('"'));
        written << (quoted ? QLatin1Char('"') + QString(mark).replace(QLatin1String("\""), QLatin1String("\"\""))
                        + QLatin1Char('"')
                           : mark);
    }
    return written.join(QStringLiteral(", "));
}

} // namespace WeeklyMenu
