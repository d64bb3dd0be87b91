#pragma once

#include "printing/ReportFont.h"

#include <QString>

class TextMeasure;

// Numbers, dates and codes are never cut on paper: a digit lost from a total or a voucher number
// changes what the page says. Such a text that is wider than its box prints in a font just small
// enough to fit; any other text may wrap or run past its box.
namespace TextFit {

// The smallest font a figure shrinks to.
constexpr double MinimumPointSize = 4;

// Whether the text reads as a number, date, time or code: digits with separators (space, point,
// comma, colon, slash, dash, sign, percent, brackets), optionally followed by a short unit
// ("Ft", "kg").
bool isFigure(const QString &text);

// The font, or a smaller one of the same face, in which the text fits the width (millimetres).
// Below the minimum size it stays at the minimum.
ReportFont fitted(TextMeasure &measure, const ReportFont &font, const QString &text, double width);

} // namespace TextFit
