#pragma once

#include "core/Refusal.h"
#include "stock/MovementTable.h"

// The checks every movement row passes before it is written, whoever posts it (a voucher screen,
// a correction, the issue by menu): its quantity and amounts are numbers within what the fields
// and Money hold, and its VAT code names a VAT row (as the item's facts read it).
namespace ItemChecks {

// A null refusal when the row passes.
Refusal check(const MovementRow &row, const MovementTable::ItemFacts &facts);

QString badQuantity();
QString badAmount();
// The material's VAT group has no VAT row for the voucher date.
QString missingVat(const QString &material, const QString &afaCsoport);

} // namespace ItemChecks
