#pragma once

#include "menu/RationQuantity.h"

// A material's quantity rounded to its own decimals (Kerekites), decided on the exact quantity.
namespace RationRounding {

// The ration sheet: 0 decimals rounds upwards to a whole number, 1 to 3 decimals round halves to
// even; any other count leaves the quantity as it is.
RationQuantity sheet(RationQuantity quantity, int decimals);
double sheet(double quantity, int decimals);

// Planning: 0 to 3 decimals round upwards; any other count leaves the quantity as it is.
RationQuantity planned(RationQuantity quantity, int decimals);
double planned(double quantity, int decimals);

} // namespace RationRounding
