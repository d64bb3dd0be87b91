#pragma once

#include "core/Refusal.h"
#include "core/Rounding.h"

#include <QString>
#include <optional>

// Numbers as a user types them, parsed once and strictly: an optional sign, digits with single
// blanks between groups of three ("1 234"), one decimal comma (or point) and its digits ("12,5",
// ",5"). Anything else — letters ("12abc"), exponents ("1e5"), "inf", "nan", two separators — is
// no number. Every screen field and import of a typed number goes through here.
namespace TypedNumber {

// The largest quantity (kg, l, pieces) a field takes: far above any kitchen's use, and small
// enough that a quantity times any price stays inside Money's range.
inline constexpr double QuantityLimit = 1e9;

// The exact decimal of the text (surrounding blanks ignored); none when it is not a number.
std::optional<Rounding::Decimal> decimal(const QString &text);

// The typed quantity rounded to `decimals` places halves to even; none when the text is not a
// number or the value lies beyond ±limit.
std::optional<double> quantity(const QString &text, int decimals, double limit = QuantityLimit);

// The refusal of a field whose text was not taken: no number at all, or a number beyond what the
// field holds; the focus goes to `field`.
Refusal refusal(const QString &text, const QString &field);

} // namespace TypedNumber
