#pragma once

#include "printing/ReportData.h"

#include <QStringList>

class QAbstractItemModel;

// Report rows read from an item model, such as the query behind a screen's grid. Column names are
// the SQL field names for a query model (also behind a sorting or filtering proxy), otherwise the
// horizontal header texts, unless given.
class ModelReportData : public ReportData
{
public:
    explicit ModelReportData(QAbstractItemModel *model, const QStringList &columns = {});

    int rowCount() const override;
    int columnCount() const override;
    QString columnName(int column) const override;
    QVariant value(int row, int column) const override;

private:
    QAbstractItemModel *m_model;
    QStringList m_columns;
};
