#pragma once

#include <QByteArray>
#include <QString>

// The rounding rules of the program: to n decimals halves to even, and upwards where asked for.
//
// A double cannot hold most decimal fractions exactly (2.675 is stored as 2.67499999...), so the
// decision is taken on the value's shortest decimal text, the text that reads back as the same
// double: a value written as an exact decimal half (2.675, 0.125, -1.5) goes to the even
// neighbour (2.68, 0.12, -2), whatever its binary expansion says. The result is the double
// nearest to the rounded decimal.
namespace Rounding {

// A finite double as an exact decimal: value = (negative ? -1 : 1) * digits * 10^exponent,
// digits without leading zeros ("0" for zero). Built from the shortest round-trip text.
struct Decimal
{
    bool negative = false;
    QByteArray digits;
    int exponent = 0;
};
Decimal shortestDecimal(double value);

// `value` rounded to `decimals` places (negative counts are taken as 0). NaN and infinities are
// returned unchanged; a result of zero is +0.
double round(double value, int decimals);

// `value` rounded upwards to `decimals` places: the smallest multiple of 10^-decimals that is not
// below it (2.001 -> 2.01 at two places, 12.2 -> 13 and -2.5 -> -2 at none). The value is taken
// to 15 significant digits first, so the binary noise of a sum (0.1 + 0.2) does not add a step.
double roundUp(double value, int decimals);

// The rounded value as fixed-point text with exactly `decimals` places: "." as the separator,
// "-" for a negative result, no grouping ("-1234.50", "0.125" -> "0.12"). Empty for NaN and
// infinities.
QString fixedText(double value, int decimals);

// The same for an exact decimal (used for typed amounts, which never pass through a double).
QString fixedText(const Decimal &decimal, int decimals);

} // namespace Rounding
