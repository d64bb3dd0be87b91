#include "core/Money.h"

#include "core/Rounding.h"
#include "core/TypedNumber.h"
#include "core/WideInteger.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

using WideInteger::Wide;
using WideInteger::divideHalfEven;
using WideInteger::power10;

constexpr qint64 Max = std::numeric_limits<qint64>::max();
constexpr qint64 Min = std::numeric_limits<qint64>::min();

qint64 saturate(Wide value)
{
    if (value > Wide(Max))
        return Max;
    if (value < Wide(Min))
        return Min;
    return qint64(value);
}

// The ten-thousandths of one step of `decimals` places (0..4).
Wide stepOf(int decimals)
{
    return power10(Money::Decimals - qBound(0, decimals, Money::Decimals));
}

// `units` rounded to whole steps, halves to even.
qint64 roundedUnits(Wide units, Wide step)
{
    return saturate(divideHalfEven(units, step) * step);
}

// Ten-thousandths from fixed text with four decimals ("-12.3400"); none when out of range.
std::optional<qint64> unitsFromFixedText(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char('.'));
    bool ok = false;
    const qint64 units = digits.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return units;
}

// Ten-thousandths straight from the shortest decimal text of a value, rounded halves to even
// on that text (as Rounding::fixedText rounds it); none when the text does not fit the buffer or
// the units would pass 18 digits.
std::optional<qint64> unitsFromShortestText(double value)
{
    char buffer[48];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (written.ec != std::errc())
        return std::nullopt;
    const char *p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    qint64 units = 0;
    int digits = 0;
    int decimals = -1;
    char firstDropped = 0; // the fifth decimal
    bool restDropped = false; // any non-zero digit after it
    for (; p != written.ptr; ++p) {
        if (*p == '.') {
            decimals = 0;
            continue;
        }
        if (decimals >= 0 && ++decimals > 4) {
            if (decimals == 5)
                firstDropped = *p;
            else
                restDropped = restDropped || *p != '0';
            continue;
        }
        units = units * 10 + (*p - '0');
        if (units != 0 && ++digits > 18)
            return std::nullopt;
    }
    if (digits + 4 - qBound(0, decimals, 4) > 18)
        return std::nullopt;
    for (int scale = qMax(decimals, 0); scale < 4; ++scale)
        units *= 10;
    if (firstDropped > '5' || (firstDropped == '5' && (restDropped || units % 2 == 1)))
        ++units;
    return negative ? -units : units;
}

} // namespace

Money Money::fromDouble(double value)
{
    if (std::isnan(value))
        return Money();
    if (std::isinf(value))
        return Money(value > 0 ? Max : Min);
    if (const std::optional<qint64> units = unitsFromShortestText(value))
        return Money(*units);
    const std::optional<qint64> units = unitsFromFixedText(Rounding::fixedText(value, Decimals));
    if (!units)
        return Money(value > 0 ? Max : Min);
    return Money(*units);
}

std::optional<Money> Money::fromText(const QString &text)
{
    const std::optional<Rounding::Decimal> decimal = TypedNumber::decimal(text);
    if (!decimal)
        return std::nullopt;
    const std::optional<qint64> units = unitsFromFixedText(Rounding::fixedText(*decimal, Decimals));
    if (!units)
        return std::nullopt;
    return Money(*units);
}

// Writes the text ending at `end`, from the right: the decimals, the point, the whole part, the
// sign; returns where it starts.
char *Money::writeText(char *end) const
{
    const Wide magnitude = m_units < 0 ? -Wide(m_units) : Wide(m_units);
    quint64 whole = quint64(magnitude / Scale);
    quint64 fraction = quint64(magnitude % Scale);
    char *p = end;
    for (int i = 0; i < Decimals; ++i, fraction /= 10)
        *--p = char('0' + fraction % 10);
    *--p = '.';
    do {
        *--p = char('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    if (m_units < 0)
        *--p = '-';
    return p;
}

QString Money::toString() const
{
    char buffer[32];
    const char *start = writeText(buffer + sizeof buffer);
    return QString::fromLatin1(start, buffer + sizeof buffer - start);
}

QByteArray Money::toLatin1() const
{
    char buffer[32];
    const char *start = writeText(buffer + sizeof buffer);
    return QByteArray(start, buffer + sizeof buffer - start);
}

Money Money::rounded(int decimals) const
{
    return Money(roundedUnits(m_units, stepOf(decimals)));
}

Money Money::multiplied(double quantity, int decimals) const
{
    if (!std::isfinite(quantity))
        return Money();
    const Wide step = stepOf(decimals);
    // A whole quantity (the usual case) needs no decimal digits: the product fits 128 bits.
    if (quantity == std::trunc(quantity) && std::fabs(quantity) < 1e15)
        return Money(roundedUnits(Wide(m_units) * Wide(qint64(quantity)), step));
    const Rounding::Decimal decimal = Rounding::shortestDecimal(quantity);
    // The shortest text has at most 17 digits, so the product fits 128 bits.
    Wide product = Wide(m_units) * Wide(decimal.digits.toLongLong());
    if (decimal.negative)
        product = -product;
    if (decimal.exponent >= 0) {
        for (int i = 0; i < decimal.exponent && product != 0; ++i) {
            product *= 10;
            if (product > Wide(Max) || product < Wide(Min))
                return Money(saturate(product));
        }
        return Money(roundedUnits(product, step));
    }
    // |product| < 1e36: dividing by 10^37 or more leaves less than half a step.
    const int shift = -decimal.exponent + (Decimals - qBound(0, decimals, Decimals));
    if (shift > 36)
        return Money();
    return Money(saturate(divideHalfEven(product, power10(shift)) * step));
}

std::optional<Money> Money::dividedBy(double quantity, int decimals) const
{
    if (!std::isfinite(quantity) || quantity == 0)
        return std::nullopt;
    const Wide step = stepOf(decimals);
    if (quantity == std::trunc(quantity) && std::fabs(quantity) < 1e15) {
        const Wide quotient = divideHalfEven(Wide(m_units), Wide(qint64(std::fabs(quantity))) * step) * step;
        return Money(saturate(quantity < 0 ? -quotient : quotient));
    }
    const Rounding::Decimal decimal = Rounding::shortestDecimal(quantity);
    Wide numerator = m_units;
    Wide denominator = decimal.digits.toLongLong();
    if (decimal.negative)
        numerator = -numerator;
    // The digits stay below 10^17: a numerator beyond Max * 10^17 gives a quotient beyond the range.
    const Wide limit = Wide(Max) * Wide(100000000000000000LL);
    for (int i = 0; i < -decimal.exponent && numerator != 0; ++i) {
        numerator *= 10;
        if (numerator > limit || numerator < -limit)
            return Money(saturate(numerator));
    }
    // The numerator is then at most 2^63 in size: a denominator beyond 2^64 leaves less than half.
    for (int i = 0; i < decimal.exponent; ++i) {
        denominator *= 10;
        if (denominator > Wide(1) << 64)
            return Money();
    }
    return Money(saturate(divideHalfEven(numerator, denominator * step) * step));
}

Money Money::operator+(Money other) const
{
    return Money(saturate(Wide(m_units) + Wide(other.m_units)));
}

Money Money::operator-(Money other) const
{
    return Money(saturate(Wide(m_units) - Wide(other.m_units)));
}

Money Money::operator-() const
{
    return Money(saturate(-Wide(m_units)));
}
