#pragma once

#include "core/Refusal.h"
#include "reports/MenuDish.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// Where the menu rows come from: the daily menu by meals, or (plugged in by the a-la-carte room)
// its own menu by dish groups. Each source reads its table and its groups; the values and the
// allergens of the dishes are looked up the same way for all.
class ServedDishSource
{
public:
    virtual ~ServedDishSource() = default;
    // The rows dated from `from` to `to` whose group is one of `groups`, in row id order.
    virtual Checked<QList<ServedDish>> served(
        QSqlDatabase db, const QDate &from, const QDate &to, const QStringList &groups) = 0;
};

// The daily menu (Etlap) by meals (Etkezesek).
class DailyMenuSource : public ServedDishSource
{
public:
    Checked<QList<ServedDish>> served(
        QSqlDatabase db, const QDate &from, const QDate &to, const QStringList &groups) override;
};

// The one per-dish row builder of the weekly menu and the menu list.
namespace MenuDishRows {

// The served rows with the values of one portion: a recipe's header values (given for 100
// portions) ÷ 100 × portions, a material's values per unit × quantity (added sugar and salt only
// when the material marks them so); kcal rounded to two decimals; the allergen marks of the
// recipe's materials or of the material. A recipe without header or a material without a known
// unit is left out. Rows in row id order.
Checked<QList<MenuDish>> build(QSqlDatabase db, ServedDishSource &source, const QDate &from, const QDate &to,
    const QStringList &groups);

// The dishes in the order of the menu list: date, group name, dish name.
void sortByDate(QList<MenuDish> &dishes);

// Marks merged into a sorted set without empty marks.
QStringList mergedMarks(const QStringList &marks, const QStringList &more);

} // namespace MenuDishRows
