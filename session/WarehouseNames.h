#pragma once

#include <QSqlDatabase>
#include <QStringList>

// The warehouses (kitchens) of a database: a warehouse's number is its position in this list + 1.
namespace WarehouseNames {

// RaktarNev of every row of raktarak, in key order; empty when the table cannot be read.
QStringList all(QSqlDatabase shared);

} // namespace WarehouseNames
