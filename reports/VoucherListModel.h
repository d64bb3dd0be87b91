#pragma once

#include "stock/VoucherPrintRows.h"

#include <QAbstractTableModel>

// The grid of the voucher lists over the rows as read: one line per item, its texts formatted
// when the grid or the export asks for them (a year's list has a hundred thousand items).
class VoucherListModel : public QAbstractTableModel
{
public:
    // Shows `rows`, which must outlive the model's next reset().
    void reset(const VoucherPrintRows *rows);
    // The voucher of a line; -1 outside.
    int voucherOf(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(const VoucherPrintRows::Row &row, int column) const;

    const VoucherPrintRows *m_rows = nullptr;
    QList<QPair<int, int>> m_lines; // voucher, item
};
