#pragma once

#include "core/Refusal.h"
#include "menu/RationSheet.h"
#include "menu/RationStock.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// Computes a new ration sheet of one date and the chosen meals from the warehouse: the menu
// (views 1 and 2) and the sheet with its detail lines, priced at the stock of the date.
namespace RationBuilder {

struct Result
{
    QList<RationMenuRow> menu;
    RationSheet sheet;
};

// Refused when no chosen meal still has an unissued headcount on that date.
Checked<Result> compute(QSqlDatabase db, const QDate &date, const QStringList &mealCodes, RationStockSource &stock);

} // namespace RationBuilder
