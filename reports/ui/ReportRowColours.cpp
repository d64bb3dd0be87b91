#include "reports/ui/ReportRowColours.h"

#include <QAbstractItemModel>
#include <QBrush>

namespace ReportRowColours {

void markTotalRow(QAbstractItemModel *rows, int row)
{
    for (int column = 0; column < rows->columnCount(); ++column) {
        const QModelIndex index = rows->index(row, column);
        rows->setData(index, QBrush(Qt::red), Qt::BackgroundRole);
        rows->setData(index, QBrush(Qt::white), Qt::ForegroundRole);
    }
}

} // namespace ReportRowColours
