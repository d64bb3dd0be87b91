#include "core/Rounding.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace Rounding {

// The decimal of a finite double from its scientific text: the shortest text that reads back as
// the same double, or the given number of significant digits.
static Decimal decimalOf(double value, int significantDigits = 0)
{
    Decimal result;
    result.negative = std::signbit(value) && value != 0;
    // Scientific text: "d.ddde+XX" or "de-XX".
    char buffer[64];
    const auto written = significantDigits > 0
        ? std::to_chars(
            buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, significantDigits - 1)
        : std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const char *end = written.ptr;
    const char *e = buffer;
    while (e != end && *e != 'e')
        ++e;
    QByteArray mantissa;
    for (const char *p = buffer; p != e; ++p) {
        if (*p != '.')
            mantissa.append(*p);
    }
    int exponent = 0;
    if (e != end) {
        const char *p = e + 1;
        if (*p == '+')
            ++p;
        std::from_chars(p, end, exponent);
    }
    // d.ddd x 10^exponent = dddd x 10^(exponent - (count - 1))
    result.exponent = exponent - (int(mantissa.size()) - 1);
    while (mantissa.size() > 1 && mantissa.endsWith('0')) {
        mantissa.chop(1);
        ++result.exponent;
    }
    if (mantissa == "0")
        result.exponent = 0;
    result.digits = mantissa;
    return result;
}

Decimal shortestDecimal(double value)
{
    return decimalOf(value);
}

// The magnitude times 10^decimals as a whole decimal number, rounded halves to even.
static QByteArray scaledDigits(const Decimal &decimal, int decimals)
{
    const QByteArray &digits = decimal.digits;
    // Digits of the scaled value before its decimal point.
    const qsizetype keep = digits.size() + decimal.exponent + decimals;
    if (keep >= digits.size())
        return digits + QByteArray(keep - digits.size(), '0');
    if (keep < 0)
        return QByteArray("0");

    QByteArray kept = digits.left(keep);
    const QByteArray dropped = digits.mid(keep);
    bool up = false;
    if (dropped.at(0) > '5') {
        up = true;
    } else if (dropped.at(0) == '5') {
        bool beyondHalf = false;
        for (qsizetype i = 1; i < dropped.size(); ++i)
            beyondHalf = beyondHalf || dropped.at(i) != '0';
        const bool lastOdd = !kept.isEmpty() && ((kept.back() - '0') % 2 == 1);
        up = beyondHalf || lastOdd;
    }
    if (kept.isEmpty())
        kept = "0";
    if (up) {
        qsizetype i = kept.size() - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i < 0)
            kept.prepend('1');
        else
            kept[i] = char(kept[i] + 1);
    }
    return kept;
}

QString fixedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return QString();
    return fixedText(shortestDecimal(value), decimals);
}

QString fixedText(const Decimal &decimal, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    QByteArray digits = scaledDigits(decimal, decimals);
    int firstNonZero = 0;
    while (firstNonZero < digits.size() - 1 && digits.at(firstNonZero) == '0')
        ++firstNonZero;
    digits = digits.mid(firstNonZero);
    const bool zero = digits == "0";
    if (digits.size() < decimals + 1)
        digits.prepend(QByteArray(decimals + 1 - digits.size(), '0'));
    if (decimals > 0)
        digits.insert(digits.size() - decimals, '.');
    if (decimal.negative && !zero)
        digits.prepend('-');
    return QString::fromLatin1(digits);
}

static double toDouble(const QString &fixed)
{
    const QByteArray text = fixed.toLatin1();
    double result = 0;
    std::from_chars(text.constData(), text.constData() + text.size(), result);
    return result;
}

// 10^decimals for the places a value already on its grid is checked at.
static constexpr double Scales[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

double round(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    if (decimals < 0)
        decimals = 0;
    // A value that is k / 10^decimals for a whole k (495, 12.25 at two places) reads back from
    // that text, so its shortest text has no more places and rounding leaves it as it is.
    if (decimals < int(std::size(Scales)) && std::fabs(value) < 1e15) {
        const double scale = Scales[decimals];
        const double scaled = value * scale;
        if (scaled == std::nearbyint(scaled) && scaled / scale == value)
            return value + 0.0;
    }
    return toDouble(fixedText(value, decimals));
}

double roundUp(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    if (decimals < 0)
        decimals = 0;
    // Any decimal of up to 15 significant digits survives the trip through a double, so the
    // digits beyond those are the noise of earlier arithmetic, not part of the quantity.
    const Decimal decimal = decimalOf(value, 15);
    const qsizetype keep = decimal.digits.size() + decimal.exponent + decimals;
    if (keep >= decimal.digits.size())
        return toDouble(fixedText(decimal, decimals));
    // Cut to `decimals` places towards zero; a positive value with anything cut off goes one
    // place up, a negative one is already at its ceiling.
    Decimal cut;
    cut.negative = decimal.negative;
    cut.digits = keep > 0 ? decimal.digits.left(keep) : QByteArray("0");
    cut.exponent = -decimals;
    if (!decimal.negative) {
        qsizetype i = cut.digits.size() - 1;
        while (i >= 0 && cut.digits[i] == '9')
            cut.digits[i--] = '0';
        if (i < 0)
            cut.digits.prepend('1');
        else
            cut.digits[i] = char(cut.digits[i] + 1);
    }
    return toDouble(fixedText(cut, decimals));
}

} // namespace Rounding
