#pragma once

#include "core/Money.h"

#include <QString>
#include <QVariant>

// Exact money sums in SQL and the per cent figures of the norm reports.
namespace ReportSums {

// SUM of a money expression counted in ten-thousandths: each value is rounded to whole units
// before adding, so the sum is exact on both engines (never a running sum of binary fractions).
// Read the result with amount().
QString sql(const QString &expression);
// The same value in whole ten-thousandths, for a sum taken over a sub-select.
QString units(const QString &expression);
// A value of sql() as money; NULL (no rows) is zero.
Money amount(const QVariant &units);

// `part` as a percentage of `whole`, rounded once to two decimals (halves to even); 0 when the
// whole is not positive.
double percent(const Money &part, const Money &whole);

// "col IN (?, ?, ...)" for `count` bound values; a condition that is never true for none.
QString inList(const QString &column, int count);

} // namespace ReportSums
