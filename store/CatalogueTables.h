#pragma once

#include "store/TableDef.h"

#include <QList>

class TableBuilder;

// The table definitions of the catalogue, by group; Catalogue puts them into their fixed order.
namespace CatalogueTables {

// raktarak, login and the owner institution's values (Tulajdonos), in shared.sqlite.
QList<TableDef> sharedTables();
// Code tables, food groups, dish kinds, nutrient norms, partners, raw materials and recipes.
QList<TableDef> masterTables();
// Movement rows, stock list, running numbers, accounting periods, work years, closings, Lock.
QList<TableDef> stockTables();
// Menus, headcounts, issued ration-sheet lines and the a-la-carte tables.
QList<TableDef> menuTables();
// The Tmp... work tables.
QList<TableDef> workTables();

// The fields of a ration-sheet line after its line id, shared by the work table of the sheet being
// prepared and the table of issued lines (the a-la-carte ones alike).
void addRationLineFields(TableBuilder &table);

// The food-group codes delivered with a database; the nutrient norms hold an "E"/"M" column pair
// for each.
QStringList foodGroupCodes();

} // namespace CatalogueTables
