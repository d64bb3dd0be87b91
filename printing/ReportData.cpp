#include "printing/ReportData.h"

int ReportData::columnIndex(const QString &name) const
{
    const int count = columnCount();
    for (int column = 0; column < count; ++column) {
        if (columnName(column).compare(name, Qt::CaseInsensitive) == 0)
            return column;
    }
    return -1;
}
