#pragma once

#include "core/Money.h"

// Exact products and quotients of money and a quantity, rounded once to the asked decimals
// (halves to even): rounding first to four decimals and then to two could turn a value just
// below a half into a half.
namespace PriceMath {

// amount × factor, rounded to `decimals` (0..4).
Money product(Money amount, double factor, int decimals);
// amount ÷ divisor, rounded to `decimals` (0..4); zero when the divisor is zero or not finite.
Money quotient(Money amount, double divisor, int decimals);

} // namespace PriceMath
