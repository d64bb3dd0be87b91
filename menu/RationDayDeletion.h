#pragma once

#include "core/Refusal.h"
#include "menu/RationTypes.h"
#include "stock/StockOptions.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>

// Undoing the issued ration sheets of one day.
namespace RationDayDeletion {

// The meals of the date whose headcount is issued, in code order (what will be deleted).
Checked<QList<RationMeal>> issuedMeals(QSqlDatabase db, const QDate &date);

// In one write transaction: the day's Kiszabat rows, the headcounts made issuable again, and
// every ration-sheet issue row of the day (not "08", not entered by hand) deleted with the stock
// recalculation of each material. A refusal (a closed month, a stock that would turn negative)
// leaves the day exactly as it was. Accepted with the number of issue rows deleted.
Checked<int> remove(QSqlDatabase db, const QDate &date, const StockOptions &options);

} // namespace RationDayDeletion
