#include "core/TypedNumber.h"

#include <QStringList>

#include <charconv>
#include <cmath>

namespace TypedNumber {
namespace {

bool isGroupBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Whole-number part with optional blanks between groups of three: "1234", "1 234", "12 345 678".
bool readIntegerPart(const QString &text, QByteArray &digits)
{
    const QStringList groups = text.split(QLatin1Char(' '));
    for (int i = 0; i < groups.size(); ++i) {
        const QString &group = groups.at(i);
        if (groups.size() > 1 && (group.isEmpty() || group.size() > 3 || (i > 0 && group.size() != 3)))
            return false;
        for (QChar c : group) {
            if (!isDigit(c))
                return false;
            digits.append(char(c.unicode()));
        }
    }
    return true;
}

} // namespace

std::optional<Rounding::Decimal> decimal(const QString &text)
{
    QString rest = text.trimmed();
    for (QChar &c : rest) {
        if (isGroupBlank(c))
            c = QLatin1Char(' ');
    }
    Rounding::Decimal result;
    if (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+'))) {
        result.negative = rest.startsWith(QLatin1Char('-'));
        rest.remove(0, 1);
    }
    qsizetype separator = rest.indexOf(QLatin1Char(','));
    if (separator < 0)
        separator = rest.indexOf(QLatin1Char('.'));
    const QString integerPart = separator < 0 ? rest : rest.left(separator);
    const QString fractionPart = separator < 0 ? QString() : rest.mid(separator + 1);
    if (separator >= 0 && fractionPart.isEmpty())
        return std::nullopt;
    if (integerPart.isEmpty() && fractionPart.isEmpty())
        return std::nullopt;
    QByteArray digits;
    if (!readIntegerPart(integerPart, digits))
        return std::nullopt;
    for (QChar c : fractionPart) {
        if (!isDigit(c))
            return std::nullopt;
        digits.append(char(c.unicode()));
    }
    qsizetype firstNonZero = 0;
    while (firstNonZero < digits.size() - 1 && digits.at(firstNonZero) == '0')
        ++firstNonZero;
    result.digits = digits.mid(firstNonZero);
    result.exponent = -int(fractionPart.size());
    return result;
}

std::optional<double> quantity(const QString &text, int decimals, double limit)
{
    const std::optional<Rounding::Decimal> exact = decimal(text);
    if (!exact)
        return std::nullopt;
    // More whole digits than the limit can have: refused before any conversion.
    if (exact->digits.size() + exact->exponent > 16)
        return std::nullopt;
    const QByteArray fixed = Rounding::fixedText(*exact, decimals).toLatin1();
    double value = 0;
    const auto read = std::from_chars(fixed.constData(), fixed.constData() + fixed.size(), value);
    if (read.ec != std::errc() || !std::isfinite(value) || std::fabs(value) > limit)
        return std::nullopt;
    return value == 0 ? 0.0 : value;
}

Refusal refusal(const QString &text, const QString &field)
{
    return Refusal::error(decimal(text) ? QStringLiteral("Hibás értékadás!\rA megadott szám túl nagy!")
                                        : QStringLiteral("Hibás értékadás!\rA mezőbe csak számot írhat!"),
        field);
}

} // namespace TypedNumber
