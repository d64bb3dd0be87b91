#pragma once

#include <QString>
#include <QVariant>

// How the printouts turn values into text.
namespace ValueFormat {

// The numeric format function: a value through a mask such as "###,###,##0.00 " or "0.##".
QString number(const QString &mask, double value);

// A data value as printed: numbers through the mask when one is given, dates (also ISO date
// text as the database keeps it) through the date pattern or as "yyyy.MM.dd", anything else as
// it is. A number without a mask prints with a decimal comma and no grouping.
QString text(const QVariant &value, const QString &mask, const QString &datePattern);

} // namespace ValueFormat
