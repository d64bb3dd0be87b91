#include "printing/TextFit.h"

#include "printing/TextMeasure.h"

#include <cmath>

namespace TextFit {

namespace {
// Measuring slack in millimetres, far below a printer dot.
constexpr double Slack = 0.005;
constexpr int LongestUnit = 3;
// Kerning moves a figure's width by far less than this share; a text whose plain advances stay
// this far inside its box fits without shaping it.
constexpr double SureFit = 0.97;

bool isSeparator(QChar c)
{
    switch (c.unicode()) {
    case ' ':
    case 0x00a0: // no-break space, the thousands separator of the Hungarian locale
    case 0x202f: // narrow no-break space
    case '.':
    case ',':
    case ':':
    case '/':
    case '-':
    case 0x2212: // minus sign
    case '+':
    case '%':
    case '(':
    case ')':
        return true;
    default:
        return false;
    }
}
} // namespace

bool isFigure(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    // A trailing unit: a few letters after a space.
    qsizetype unit = end;
    while (unit > 0 && text.at(unit - 1).isLetter())
        --unit;
    if (unit < end) {
        if (end - unit > LongestUnit || unit == 0 || !text.at(unit - 1).isSpace())
            return false;
        end = unit;
    }
    bool digit = false;
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = text.at(i);
        if (c.isDigit())
            digit = true;
        else if (!isSeparator(c) && !c.isSpace())
            return false;
    }
    return digit;
}

ReportFont fitted(TextMeasure &measure, const ReportFont &font, const QString &text, double width)
{
    const double estimate = measure.advanceSum(font, text);
    if (estimate >= 0 && estimate <= width * SureFit)
        return font;
    const double natural = measure.width(font, text);
    if (natural <= width + Slack)
        return font;
    ReportFont smaller = font;
    // Text widths grow with the size; start just under the proportional guess and step down in
    // quarter points until the measured text fits.
    double size = std::floor(font.pointSize * std::max(0.0, width) / natural * 4) / 4;
    for (; size > MinimumPointSize; size -= 0.25) {
        smaller.pointSize = size;
        if (measure.width(smaller, text) <= width + Slack)
            return smaller;
    }
    smaller.pointSize = MinimumPointSize;
    return smaller;
}

} // namespace TextFit
