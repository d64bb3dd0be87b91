#pragma once

#include "stock/CorrectionList.h"

#include <QAbstractTableModel>

// The rows of the correction list as the grid shows them: "Dátum", "Bizonylatszám", "Fők. sz.",
// "Anyagkód", "Anyagnév", "Irány", "Mozgásnem", "Tétel", "Készlet", "Mértékegység", "Beszállító",
// "Ir. szám", "Település", "Cím", "Felhasználó". Ration-sheet items have a blue text colour,
// a-la-carte ones green; only the text colour is set, so a selected row is drawn in the
// selection's own colours.
class CorrectionListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(const QList<CorrectionList::Row> &rows);
    const QList<CorrectionList::Row> &rows() const { return m_rows; }

    static QColor colour(CorrectionList::Tint tint);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<CorrectionList::Row> m_rows;
};
