#include "menu/RationQuantity.h"

#include "core/Rounding.h"
#include "core/WideInteger.h"

#include <algorithm>
#include <cmath>

namespace {

using Units = WideInteger::Wide;
using WideInteger::divideHalfEven;
using WideInteger::power10;

constexpr Units Scale = power10(RationQuantity::Decimals);
// 10,000,000,000 in billionths: the product of two bounded values still fits 128 bits.
constexpr Units Bound = power10(10) * Scale;

Units bounded(Units units)
{
    return std::clamp(units, -Bound, Bound);
}

} // namespace

RationQuantity::RationQuantity(Units units)
    : m_units(bounded(units))
{
}

RationQuantity RationQuantity::fromDouble(double value)
{
    if (!std::isfinite(value))
        return RationQuantity();
    if (std::fabs(value) >= 1e10)
        return RationQuantity(value < 0 ? -Bound : Bound);
    // value = digits x 10^exponent with at most 17 digits, so the magnitude below 10^10 keeps
    // the digits times 10^(exponent + 9) below 10^19.
    const Rounding::Decimal decimal = Rounding::shortestDecimal(value);
    Units units = decimal.digits.toLongLong();
    const int shift = decimal.exponent + Decimals;
    if (shift >= 0)
        units *= power10(shift);
    else
        units = -shift > 18 ? 0 : divideHalfEven(units, power10(-shift));
    return RationQuantity(decimal.negative ? -units : units);
}

double RationQuantity::toDouble() const
{
    // Whole part and billionths apart: each converts exactly, and their sum is the double
    // nearest to the decimal for every value this class holds below 2^53 billionths.
    constexpr Units Exact = Units(1) << 53;
    if (m_units > -Exact && m_units < Exact)
        return double(qint64(m_units)) / double(qint64(Scale));
    const Units whole = m_units / Scale;
    const Units part = m_units % Scale;
    return double(qint64(whole)) + double(qint64(part)) / double(qint64(Scale));
}

RationQuantity RationQuantity::operator+(RationQuantity other) const
{
    return RationQuantity(m_units + other.m_units);
}

RationQuantity RationQuantity::operator-(RationQuantity other) const
{
    return RationQuantity(m_units - other.m_units);
}

RationQuantity RationQuantity::times(RationQuantity other) const
{
    return RationQuantity(divideHalfEven(m_units * other.m_units, Scale));
}

RationQuantity RationQuantity::times(qint64 factor) const
{
    const Units product = m_units * Units(factor);
    return RationQuantity(product);
}

RationQuantity RationQuantity::dividedBy(qint64 divisor) const
{
    if (divisor == 0)
        return RationQuantity();
    const Units quotient = divideHalfEven(m_units, Units(divisor < 0 ? -divisor : divisor));
    return RationQuantity(divisor < 0 ? -quotient : quotient);
}

RationQuantity RationQuantity::rounded(int places) const
{
    places = std::clamp(places, 0, int(Decimals));
    const Units step = power10(Decimals - places);
    return RationQuantity(divideHalfEven(m_units, step) * step);
}

RationQuantity RationQuantity::roundedUp(int places) const
{
    places = std::clamp(places, 0, int(Decimals));
    const Units step = power10(Decimals - places);
    Units steps = m_units / step;
    if (m_units % step > 0)
        ++steps;
    return RationQuantity(steps * step);
}

QList<RationQuantity> RationQuantity::spread(RationQuantity total, const QList<RationQuantity> &weights)
{
    QList<RationQuantity> shares;
    if (weights.isEmpty())
        return shares;
    Units sum = 0;
    for (const RationQuantity &weight : weights)
        sum += weight.m_units;
    const Units sign = sum < 0 ? -1 : 1;
    Units given = 0;
    qsizetype largest = 0;
    for (qsizetype i = 0; i < weights.size(); ++i) {
        const Units share = sum != 0 ? divideHalfEven(total.m_units * weights[i].m_units * sign, sum * sign)
                                     : divideHalfEven(total.m_units, Units(weights.size()));
        shares << RationQuantity(share);
        given += shares[i].m_units;
        if (shares[i] > shares[largest])
            largest = i;
    }
    shares[largest].m_units += total.m_units - given;
    return shares;
}
