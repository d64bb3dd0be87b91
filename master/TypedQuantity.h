#pragma once

#include "core/Refusal.h"

#include <QString>

// The quantity field of the recipe-line and menu-row edit screens. Both tables store quantities
// with three decimals, whatever the material's own rounding, so the field shows and takes three:
// a stored value is shown with every decimal it has, and a typed one is read strictly.
namespace TypedQuantity {

inline constexpr int Decimals = 3;

// The stored value with at least `decimals` places and as many more as it holds, so the field
// never hides a digit: 16.667 with 0 decimals shows "16,667", 0.05 with 3 shows "0,050".
QString shown(double value, int decimals);

// The typed text as a quantity of three decimals (halves to even). Refused, with the focus on
// `field`: a text that is not a number, a negative quantity, or one above `maximum`.
Checked<double> read(const QString &text, double maximum, const QString &field);

} // namespace TypedQuantity
