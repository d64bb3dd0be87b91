#pragma once

#include "printing/ModelReportData.h"
#include "printing/ui/ListReport.h"
#include "printing/ui/Printout.h"

class QAbstractItemModel;

// The printout of a ration sheet's view (and of the planned issue's) over the rows of its grid:
// the standard header with the date and meal lines, the view's columns, and the summary with
// the row count and the sheet's own lines (shortage, norm). The material lines of view 3 are
// grouped by meal and dish under a header with the meal, "Létszám: " and the dish; in the
// totals, materials short of stock (white on red in the grid) print on silver.
class RationSheetPrintout : public Printout
{
public:
    enum class Rows { Plain, MaterialLines, Totals };

    RationSheetPrintout(const Settings &settings, Messenger &messenger, const QString &title, Rows rows,
        const QList<ListColumn> &columns, QAbstractItemModel *model, const ListReportOptions &options);

private:
    void groupByMealAndDish();

    ModelReportData m_data;
};
