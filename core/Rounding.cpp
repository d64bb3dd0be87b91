#include "core/Rounding.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace Rounding {

Decimal shortestDecimal(double value)
{
    Decimal result;
    result.negative = std::signbit(value) && value != 0;
    // Shortest scientific text: "d.ddde+XX" or "de-XX".
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
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

double round(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const QByteArray text = fixedText(value, decimals).toLatin1();
    double result = 0;
    std::from_chars(text.constData(), text.constData() + text.size(), result);
    return result;
}

} // namespace Rounding
