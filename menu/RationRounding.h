#pragma once

// A material's quantity rounded to its own decimals (Kerekites).
namespace RationRounding {

// The ration sheet: 0 decimals rounds upwards to a whole number, 1 to 3 decimals round halves to
// even; any other count leaves the quantity as it is.
double sheet(double quantity, int decimals);

// Planning: 0 to 3 decimals round upwards; any other count leaves the quantity as it is.
double planned(double quantity, int decimals);

} // namespace RationRounding
