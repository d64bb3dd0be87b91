#include "core/NumberFormat.h"

#include "core/Rounding.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <functional>

namespace NumberFormat {
namespace {

// One mask (one section of a ";"-separated mask), parsed.
struct Mask
{
    enum class Kind { IntegerDigit, Point, DecimalDigit, Literal };
    struct Token
    {
        Kind kind;
        QString text;
    };

    QList<Token> tokens;
    int integerPlaces = 0;
    int requiredIntegers = 0; // places counted back from the point to the leftmost "0"
    int decimals = 0;
    int requiredDecimals = 0; // decimal places up to the last "0"
    bool grouping = false;
};

bool isPlace(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char(',');
}

Mask parseMask(const QString &text)
{
    Mask mask;
    bool afterPoint = false;
    int leftmostZero = -1; // index among the whole-number places
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype close = text.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? text.size() : close;
            mask.tokens.append({Mask::Kind::Literal, text.mid(i + 1, end - i - 1)});
            i = end;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (afterPoint) {
                mask.tokens.append({Mask::Kind::DecimalDigit, QString()});
                ++mask.decimals;
                if (c == QLatin1Char('0'))
                    mask.requiredDecimals = mask.decimals;
            } else {
                mask.tokens.append({Mask::Kind::IntegerDigit, QString()});
                if (c == QLatin1Char('0') && leftmostZero < 0)
                    leftmostZero = mask.integerPlaces;
                ++mask.integerPlaces;
            }
        } else if (c == QLatin1Char('.')) {
            if (!afterPoint)
                mask.tokens.append({Mask::Kind::Point, QString()});
            afterPoint = true;
        } else if (c == QLatin1Char(',')) {
            if (!afterPoint)
                mask.grouping = true;
        } else if (c == QLatin1Char(' ') && !afterPoint && i > 0 && i + 1 < text.size() && isPlace(text.at(i - 1))
                   && isPlace(text.at(i + 1))) {
            mask.grouping = true;
        } else {
            mask.tokens.append({Mask::Kind::Literal, QString(c)});
        }
    }
    if (leftmostZero >= 0)
        mask.requiredIntegers = mask.integerPlaces - leftmostZero;
    return mask;
}

// Splits at ";" outside quoted literals.
QStringList sections(const QString &mask)
{
    QStringList result;
    QString current;
    QChar quote;
    for (QChar c : mask) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            result << current;
            current.clear();
            continue;
        }
        current += c;
    }
    result << current;
    return result;
}

// A magnitude rounded for a mask: whole-number digits without leading zeros ("" for none) and
// exactly `decimals` decimal digits.
struct Digits
{
    QString whole;
    QString fraction;
    bool isZero() const
    {
        for (QChar c : whole + fraction) {
            if (c != QLatin1Char('0'))
                return false;
        }
        return true;
    }
};

Digits digitsFromFixed(QString fixed, int decimals)
{
    if (fixed.startsWith(QLatin1Char('-')))
        fixed.remove(0, 1);
    const qsizetype point = fixed.indexOf(QLatin1Char('.'));
    Digits digits;
    digits.whole = point < 0 ? fixed : fixed.left(point);
    digits.fraction = point < 0 ? QString() : fixed.mid(point + 1);
    while (digits.whole.startsWith(QLatin1Char('0')))
        digits.whole.remove(0, 1);
    if (digits.fraction.size() < decimals)
        digits.fraction += QString(decimals - digits.fraction.size(), QLatin1Char('0'));
    digits.fraction.truncate(decimals);
    return digits;
}

QString render(const Mask &mask, Digits digits, bool negative, Symbols symbols)
{
    QString fraction = digits.fraction;
    while (fraction.size() > mask.requiredDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    QString whole = digits.whole;
    if (whole.size() < mask.requiredIntegers)
        whole.prepend(QString(mask.requiredIntegers - whole.size(), QLatin1Char('0')));
    const int count = int(whole.size());

    QString out;
    bool signPending = negative;
    auto put = [&](QChar c) {
        if (signPending) {
            out += QLatin1Char('-');
            signPending = false;
        }
        out += c;
    };
    // The digit at `place` (1 = just before the point), with a group separator after it.
    auto putWhole = [&](int place) {
        put(whole.at(count - place));
        if (mask.grouping && place > 1 && (place - 1) % 3 == 0)
            out += symbols.group;
    };

    int place = mask.integerPlaces;
    bool wholeWritten = false;
    int decimalIndex = 0;
    for (const Mask::Token &token : mask.tokens) {
        switch (token.kind) {
        case Mask::Kind::IntegerDigit:
            if (!wholeWritten) {
                // Digits beyond the mask's places go before the first place.
                for (int extra = count; extra > mask.integerPlaces; --extra)
                    putWhole(extra);
                wholeWritten = true;
            }
            if (place <= count)
                putWhole(place);
            --place;
            break;
        case Mask::Kind::Point:
            if (!wholeWritten) {
                for (int extra = count; extra > 0; --extra)
                    putWhole(extra);
                wholeWritten = true;
            }
            if (!fraction.isEmpty())
                put(symbols.decimal);
            break;
        case Mask::Kind::DecimalDigit:
            if (decimalIndex < fraction.size())
                put(fraction.at(decimalIndex));
            ++decimalIndex;
            break;
        case Mask::Kind::Literal:
            out += token.text;
            break;
        }
    }
    if (signPending)
        out.prepend(QLatin1Char('-'));
    return out;
}

// Chooses the section and renders; `round` yields the magnitude's digits for a decimal count.
QString formatWith(bool negative, const QString &maskText, Symbols symbols,
                   const std::function<Digits(int)> &round)
{
    const QStringList parts = sections(maskText);
    const Mask positive = parseMask(parts.at(0));
    const Digits digits = round(positive.decimals);
    if (digits.isZero()) {
        if (parts.size() >= 3 && !parts.at(2).isEmpty())
            return render(parseMask(parts.at(2)), Digits{}, false, symbols);
        return render(positive, digits, false, symbols);
    }
    if (negative && parts.size() >= 2 && !parts.at(1).isEmpty()) {
        const Mask negativeMask = parseMask(parts.at(1));
        return render(negativeMask, round(negativeMask.decimals), false, symbols);
    }
    return render(positive, digits, negative, symbols);
}

} // namespace

QString format(double value, const QString &mask, Symbols symbols)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (mask.isEmpty())
        return plain(value, symbols);
    const double magnitude = std::fabs(value);
    return formatWith(value < 0, mask, symbols,
                      [magnitude](int decimals) { return digitsFromFixed(Rounding::fixedText(magnitude, decimals), decimals); });
}

QString format(const Money &value, const QString &mask, Symbols symbols)
{
    if (mask.isEmpty())
        return plain(value.toDouble(), symbols);
    return formatWith(value.units() < 0, mask, symbols, [value](int decimals) {
        return digitsFromFixed(value.rounded(qMin(decimals, Money::Decimals)).toString(), decimals);
    });
}

QString plain(double value, Symbols symbols)
{
    if (!std::isfinite(value))
        return QString::number(value, 'g', 15);
    return fixed(value, plainDecimals(value), symbols);
}

int plainDecimals(double value)
{
    if (!std::isfinite(value) || value == 0)
        return 0;
    // "d.dddddddddddddde±x": the 15 significant digits and the power of ten of the first one.
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    QString digits = scientific.left(e);
    digits.remove(QLatin1Char('.'));
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    const int exponent = scientific.mid(e + 1).toInt();
    return std::max(0, int(digits.size()) - 1 - exponent);
}

QString fixed(double value, int decimals, Symbols symbols)
{
    QString text = Rounding::fixedText(value, decimals);
    text.replace(QLatin1Char('.'), symbols.decimal);
    return text;
}

} // namespace NumberFormat
