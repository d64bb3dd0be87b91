#include "reports/TextRowsModel.h"

TextRowsModel::TextRowsModel(const QStringList &captions, const QList<int> &rightAligned)
    : m_captions(captions)
    , m_rightAligned(rightAligned)
{
}

void TextRowsModel::reset(int rows, Text text)
{
    beginResetModel();
    m_rows = text ? rows : 0;
    m_text = std::move(text);
    endResetModel();
}

int TextRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TextRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_captions.size());
}

QVariant TextRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_captions.size())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return m_rightAligned.contains(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    return m_text(index.row(), index.column());
}

QVariant TextRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_captions.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
