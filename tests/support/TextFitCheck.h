#pragma once

#include "printing/PreparedReport.h"

#include <QStringList>

// Checks prepared pages the way a reader sees them: every number, date and code whole inside its
// box, and no two texts printed over each other.
namespace TextFitCheck {

// One line per number, date or code whose measured width exceeds its box ("page 2: 4 114 045,52 Ft
// 25.30 mm in 20.00 mm").
QStringList figuresCut(const PreparedReport &report);
// One line per pair of texts whose printed extents overlap on a page.
QStringList overlaps(const PreparedReport &report);

} // namespace TextFitCheck
