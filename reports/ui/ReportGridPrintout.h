#pragma once

#include "printing/ModelReportData.h"
#include "printing/ui/ListReport.h"
#include "printing/ui/Printout.h"

// A list printout over the rows a report screen shows, as they are formatted in the grid, with
// the report's parameter lines under the header and its exact totals as summary lines (never
// sums of printed numbers). The Tqrp... printouts of the movement, usage and headcount reports
// are this layout with their own columns.
class ReportGridPrintout : public Printout
{
public:
    struct Column
    {
        QString caption;
        double width = 30; // millimetres; 0 leaves the grid's column out
        bool number = false; // right-aligned
    };

    // Column i of the printout prints column i of the model.
    ReportGridPrintout(const Settings &settings, Messenger &messenger, const QString &title, QAbstractItemModel *rows,
        const QList<Column> &columns, const ListReportOptions &options);

    static QStringList names(int count);

private:
    ModelReportData m_data;
};
