#pragma once

#include "printing/ui/ListReport.h"

#include <QList>

class ReportData;
class TextMeasure;

// How a list printout's columns share the page. Columns keep their designed widths, narrowed in
// proportion when together they are wider than the page; a column of numbers, dates or codes
// then still gets room for its widest value and its total, taken from the text columns (whose
// texts wrap). When that cannot fit, the list prints in a smaller font, then landscape, then in
// ever smaller fonts on the landscape page.
struct ListColumnPlan
{
    bool landscape = false;
    double pointSize = 10;
    QList<double> widths; // one per column given, millimetres; 0 for a left-out column
    QList<bool> figures; // the column holds numbers, dates or codes only

    static ListColumnPlan make(const QList<ListColumn> &columns, const ReportData *data, bool landscape,
        const QSizeF &paper, double sideMargins, TextMeasure &measure);
};
