#pragma once

#include "alacarte/CartMenuList.h"
#include "core/Refusal.h"
#include "menu/RationSheet.h"
#include "menu/RationStock.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// The a-la-carte ration sheet of one date and the chosen dish groups, computed by the ration
// sheet's own pieces: each open menu row (NettoAnyag = -1) is a dish with its own headcount, a
// dish group stands where the ration sheet has a meal, and the totals round upwards at 0 to 3
// decimals. The sheet remembers which menu rows it covers: the issue marks exactly those.
namespace CartSheetBuilder {

// The dish groups of the date with at least one open menu row, in code order (the parameter
// dialog's list). A group carries the headcount of its first row, which a material added by
// hand copies, and no cost norm.
Checked<QList<RationMeal>> offeredGroups(QSqlDatabase db, const QDate &date);
// The chosen groups of the date that still have open rows: the draft's test of a stored sheet.
Checked<QList<RationMeal>> openGroups(QSqlDatabase db, const QDate &date, const QStringList &codes);

struct Result
{
    QList<CartMenuListRow> menu; // the open rows of the chosen groups
    QList<RationMenuRow> dishes; // the same rows as the ration sheet's views 1 and 2 take them
    RationSheet sheet;
    QList<qint64> covered; // the EtlapAzon of those rows
};

// Refused when no chosen group has an open row on the date.
Checked<Result> compute(QSqlDatabase db, const QDate &date, const QStringList &groupCodes, RationStockSource &stock);

} // namespace CartSheetBuilder
