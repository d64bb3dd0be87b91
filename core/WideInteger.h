#pragma once

// 128-bit whole-number steps of the exact decimal types (Money, ration quantities): their values
// are whole counts of 10^-n, and a product of two of them needs more than 64 bits.
namespace WideInteger {

using Wide = __int128;

// 10^exponent, for 0 <= exponent <= 38.
constexpr Wide power10(int exponent)
{
    Wide result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

// numerator / denominator (denominator not 0), rounded halves to even.
constexpr Wide divideHalfEven(Wide numerator, Wide denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    Wide quotient = numerator / denominator;
    const Wide remainder = numerator % denominator;
    const Wide twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += numerator < 0 ? -1 : 1;
    return quotient;
}

} // namespace WideInteger
