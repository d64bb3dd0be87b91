#pragma once

class QAbstractItemModel;

// The total row of the monthly grids: white text on red.
namespace ReportRowColours {

void markTotalRow(QAbstractItemModel *rows, int row);

} // namespace ReportRowColours
