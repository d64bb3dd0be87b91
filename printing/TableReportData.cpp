#include "printing/TableReportData.h"

TableReportData::TableReportData(const QStringList &columns)
    : m_columns(columns)
{
}

QVariant TableReportData::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows.at(row).value(column);
}
