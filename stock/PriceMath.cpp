#include "stock/PriceMath.h"

#include "core/Rounding.h"

#include <cmath>
#include <limits>

namespace {

using Wide = __int128;

constexpr int MaxShift = 30;

Wide power10(int exponent)
{
    Wide result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

Wide divideHalfEven(Wide numerator, Wide denominator)
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

Money fromUnits(Wide units)
{
    const Wide max = Wide(std::numeric_limits<qint64>::max());
    if (units > max)
        units = max;
    if (units < -max)
        units = -max;
    return Money::fromUnits(qint64(units));
}

int step(int decimals)
{
    return Money::Decimals - qBound(0, decimals, Money::Decimals);
}

} // namespace

namespace PriceMath {

Money product(Money amount, double factor, int decimals)
{
    if (!std::isfinite(factor) || factor == 0 || amount.isZero())
        return Money();
    const Rounding::Decimal decimal = Rounding::shortestDecimal(factor);
    Wide numerator = Wide(amount.units()) * Wide(decimal.digits.toLongLong());
    if (decimal.negative)
        numerator = -numerator;
    Wide denominator = power10(step(decimals));
    if (decimal.exponent >= 0) {
        if (decimal.exponent > MaxShift)
            return fromUnits(numerator > 0 ? Wide(1) << 100 : -(Wide(1) << 100));
        numerator *= power10(decimal.exponent);
    } else {
        if (-decimal.exponent > MaxShift)
            return Money();
        denominator *= power10(-decimal.exponent);
    }
    return fromUnits(divideHalfEven(numerator, denominator) * power10(step(decimals)));
}

Money quotient(Money amount, double divisor, int decimals)
{
    if (!std::isfinite(divisor) || divisor == 0)
        return Money();
    const Rounding::Decimal decimal = Rounding::shortestDecimal(divisor);
    Wide numerator = amount.units();
    Wide denominator = Wide(decimal.digits.toLongLong()) * power10(step(decimals));
    if (decimal.negative)
        denominator = -denominator;
    if (decimal.exponent >= 0) {
        if (decimal.exponent > MaxShift)
            return Money();
        denominator *= power10(decimal.exponent);
    } else {
        if (-decimal.exponent > MaxShift)
            return Money();
        numerator *= power10(-decimal.exponent);
    }
    return fromUnits(divideHalfEven(numerator, denominator) * power10(step(decimals)));
}

} // namespace PriceMath
