#pragma once

#include <QString>
#include <QVariant>

// How the printouts turn values into text.
namespace ValueFormat {

// The numeric format function: a value through a mask such as "###,###,##0.00 " or "0.##".
QString number(const QString &mask, double value);

// A data value as printed: numbers through the mask when one is given, dates through the date
// pattern or as the short date ("2006.03.31."), stored date text ("2006-03-31") too when a
// pattern is given, anything else as it is. A number without a mask prints plain ("12,5").
QString text(const QVariant &value, const QString &mask, const QString &datePattern);

} // namespace ValueFormat
