#pragma once

#include "core/Money.h"

#include <QChar>
#include <QString>

// Numbers as text through format masks in the usual picture style:
//   "0"  a digit, always written;  "#"  a digit, written only when significant;
//   "."  the decimal point (its position);  ","  anywhere before the point: group the whole
//   part by thousands;  a blank between digit places before the point ("### ### ##0.00") groups
//   the same way;  "..." or '...'  literal text;  ";"  separates the masks for positive,
//   negative and zero values;  anything else is written as it stands ("0.##g", "0.00 %").
// Rounding is halves to even (Rounding); a negative value gets "-" before its first digit unless
// a negative mask is given; a value that rounds to zero is written without a sign. An empty mask
// gives the plain text of the number.
namespace NumberFormat {

struct Symbols
{
    QChar decimal = QLatin1Char(',');
    QChar group = QLatin1Char(' '); // a normal blank, not the no-break space
};

// The Hungarian screen symbols: decimal comma, blank between thousands.
inline Symbols hungarian()
{
    return Symbols{};
}
// A decimal point and no other change (export files that want "12.5").
inline Symbols decimalPoint()
{
    return Symbols{QLatin1Char('.'), QLatin1Char(' ')};
}

QString format(double value, const QString &mask, Symbols symbols = hungarian());
QString format(const Money &value, const QString &mask, Symbols symbols = hungarian());

// The plain text of a number: up to 15 significant digits, no trailing zeros, no grouping and
// never an exponent ("12,5", "3", "0,1", "100000000000000000000", "-0,000012345").
QString plain(double value, Symbols symbols = hungarian());
// The decimals plain() writes for the value (12.5 -> 1, 1e20 -> 0, -1.2345e-05 -> 9).
int plainDecimals(double value);
// The value rounded halves to even to exactly `decimals` places, in plain decimal notation
// without grouping ("12,50"); empty for NaN and infinities.
QString fixed(double value, int decimals, Symbols symbols = hungarian());

} // namespace NumberFormat
