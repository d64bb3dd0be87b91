#include "printing/ModelReportData.h"

#include <QAbstractItemModel>
#include <QAbstractProxyModel>
#include <QSqlQueryModel>
#include <QSqlRecord>

ModelReportData::ModelReportData(QAbstractItemModel *model, const QStringList &columns)
    : m_model(model)
    , m_columns(columns)
{
    if (!m_model)
        return;
    while (m_model->canFetchMore(QModelIndex()))
        m_model->fetchMore(QModelIndex());
    if (!m_columns.isEmpty())
        return;
    // A filtering or sorting proxy (one voucher of the list, the screen's order) keeps the
    // columns of the query below it, whose field names the layouts refer to.
    const QAbstractItemModel *source = m_model;
    while (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(source)) {
        if (!proxy->sourceModel() || proxy->sourceModel()->columnCount() != proxy->columnCount())
            break;
        source = proxy->sourceModel();
    }
    if (const auto *query = qobject_cast<const QSqlQueryModel *>(source)) {
        const QSqlRecord record = query->record();
        for (int i = 0; i < record.count(); ++i)
            m_columns.append(record.fieldName(i));
        return;
    }
    for (int i = 0; i < m_model->columnCount(); ++i)
        m_columns.append(m_model->headerData(i, Qt::Horizontal).toString());
}

int ModelReportData::rowCount() const
{
    return m_model ? m_model->rowCount() : 0;
}

int ModelReportData::columnCount() const
{
    return int(m_columns.size());
}

QString ModelReportData::columnName(int column) const
{
    return m_columns.value(column);
}

QVariant ModelReportData::value(int row, int column) const
{
    if (!m_model)
        return {};
    return m_model->data(m_model->index(row, column), Qt::EditRole);
}
