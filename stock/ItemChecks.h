#pragma once

#include "core/Refusal.h"

class MovementTable;
struct MovementRow;

// The checks every movement row passes before it is written, whoever posts it (a voucher screen,
// a correction, the issue by menu): its quantity and amounts are numbers within what the fields
// and Money hold, and its VAT code names a VAT row. Throws StockSql::Failure on a database error.
namespace ItemChecks {

// A null refusal when the row passes.
Refusal check(MovementTable &table, const MovementRow &row);

QString badQuantity();
QString badAmount();
// The material's VAT group has no VAT row for the voucher date.
QString missingVat(const QString &material, const QString &afaCsoport);

} // namespace ItemChecks
