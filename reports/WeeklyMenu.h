#pragma once

#include "reports/MenuDish.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The weekly menu grid: the weeks of a year, the row captions and the cells built from the
// dishes of one week.
namespace WeeklyMenu {

constexpr int MaxRows = 5;

struct Week
{
    QString text; // "12. hét 2025.03.17. - 2025.03.21."
    QDate first;
    QDate last;
};

// Weeks 1 to 52 of the year by ISO numbering, then week 53 seven days after the Monday of week 52;
// each ends on Friday, or on Sunday with `sevenDays`.
QList<Week> weeks(int year, bool sevenDays);
// The week shown first: the current week in the current year, else the first.
int preselectedWeek(int year, const QDate &today);

// A grid row: a meal (or dish group) with its code.
struct RowCaption
{
    QString code;
    QString name;
    QString text() const { return code + QLatin1Char(' ') + name; }
};

// The distinct groups of the dishes ordered by type and norm code (then code), at most five.
QList<RowCaption> rowCaptions(const QList<MenuDish> &dishes);

// One cell: its dish lines, the sums of their values and the marks, sorted, each once.
struct Cell
{
    QStringList lines;
    DishValues sums;
    QStringList allergens;
    QStringList mayContain;
};

// The cell of a day and a row code (the first two characters of a row caption's text): the
// dishes in row id order.
Cell cell(const QList<MenuDish> &dishes, const QDate &day, const QString &rowCode);

// A mark set written out as text (the a-la-carte cells print no pictures): the marks separated by
// commas (each followed by a blank, so a long list wraps between marks), a mark holding a blank,
// comma or double quote in double quotes with its quotes doubled.
QString markText(const QStringList &marks);

} // namespace WeeklyMenu
