#pragma once

#include "printing/ReportData.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

// Report rows held in memory: what a report computation hands to its layout.
class TableReportData : public ReportData
{
public:
    explicit TableReportData(const QStringList &columns = {});

    void setColumns(const QStringList &columns) { m_columns = columns; }
    void addRow(const QVariantList &values) { m_rows.append(values); }
    void reserve(int rows) { m_rows.reserve(rows); }
    void clear() { m_rows.clear(); }

    int rowCount() const override { return int(m_rows.size()); }
    int columnCount() const override { return int(m_columns.size()); }
    QString columnName(int column) const override { return m_columns.value(column); }
    QVariant value(int row, int column) const override;

private:
    QStringList m_columns;
    QList<QVariantList> m_rows;
};
