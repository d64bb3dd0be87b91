#include "printing/ReportContext.h"

#include "printing/ReportData.h"

QVariant ReportContext::value(const QString &column) const
{
    if (!m_data)
        return {};
    return value(m_data->columnIndex(column));
}

QVariant ReportContext::value(int column) const
{
    if (!m_data || m_row < 0 || column < 0 || column >= m_data->columnCount() || m_row >= m_data->rowCount())
        return {};
    return m_data->value(m_row, column);
}

int ReportContext::groupNumber(int group) const
{
    return group >= 0 && size_t(group) < m_groupNumbers.size() ? m_groupNumbers[size_t(group)] : 0;
}
