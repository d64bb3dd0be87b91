#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <functional>

// The grid of a report whose rows are kept by the report itself: each cell's text is made when
// the grid, the printout or the export asks for it, so a run of many thousand lines formats only
// what is shown. Read-only; the columns in `rightAligned` are numbers.
class TextRowsModel : public QAbstractTableModel
{
public:
    using Text = std::function<QString(int row, int column)>;

    TextRowsModel(const QStringList &captions, const QList<int> &rightAligned = {});

    // Shows `rows` lines whose texts `text` gives; it must stay valid until the next reset().
    void reset(int rows, Text text);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_captions;
    QList<int> m_rightAligned;
    int m_rows = 0;
    Text m_text;
};
