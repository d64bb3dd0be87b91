#pragma once

#include "core/Money.h"
#include "menu/RationSheet.h"
#include "menu/RationTypes.h"

#include <QList>
#include <QString>

// The rows of the views that are derived from the menu and the sheet, and the norm line.
namespace RationViews {

// View 2: one row per dish (account, code, name, unit) with the summed headcount and quantity,
// ordered by dish name.
struct DishRow
{
    QString dishName;
    int headcount = 0;
    double total = 0;
    QString unit;
    int decimals = 3;
};
QList<DishRow> dishes(const QList<RationMenuRow> &menu);

// View 3: the detail lines of the materials shown, quantities rounded for display only, ordered
// by meal code, dish name and material name. `group` switches between "0000" and "0001" at every
// new meal or dish (the printout's group header).
struct DetailRow
{
    qint64 id = 0;
    QString mealCode;
    QString mealName;
    int headcount = 0;
    QString dishName;
    QString account;
    QString number;
    QString materialName;
    double quantity = 0;
    QString unit;
    Money value;
    int decimals = 0;
    QString group;
};
QList<DetailRow> details(const RationSheet &sheet);

// "Norma keret: K  Valós érték: V  Megtakarítás: K - V", amounts as "### ### ##0.00 " and the
// currency symbol.
QString normText(const Money &frame, const Money &value);
QString normText(const RationSheet &sheet);

} // namespace RationViews
