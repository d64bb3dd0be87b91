#pragma once

#include <QString>
#include <QVariant>

// The rows a report lays out over: a plain table of named columns. Report computations produce
// such a table (and their totals) separately from the layout that renders them.
class ReportData
{
public:
    virtual ~ReportData() = default;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual QString columnName(int column) const = 0;
    virtual QVariant value(int row, int column) const = 0;

    // Index of the named column (case-insensitive), -1 when there is none.
    int columnIndex(const QString &name) const;
};
