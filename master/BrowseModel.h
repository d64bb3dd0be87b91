#pragma once

#include "master/BrowseQuery.h"

#include <QSqlQueryModel>
#include <QStringList>

// The rows of a browse screen in the chosen order, read as the grid scrolls. Changing the
// order keeps the current row; a search returns the found row, read far enough to be shown.
class BrowseModel : public QSqlQueryModel
{
    Q_OBJECT
public:
    BrowseModel(QSqlDatabase db, const BrowseSpec &spec, QObject *parent = nullptr);

    const BrowseQuery &query() const { return m_query; }
    int order() const { return m_order; }

    // Reads the rows again in the given order; returns the row of `keep` in it (-1: none).
    int open(int order, const QStringList &keep = {});
    // The row the typed text finds in the current order, or the search's refusal.
    Checked<int> search(int search, const QString &typed);
    // The key values of a row (empty outside the rows).
    QStringList keyAt(int row) const;
    // Reads the rows up to `row`, so that it can be selected; false when there is no such row.
    bool reach(int row);

    // Dates as the program shows them, whatever the engine hands over; the key column on yellow.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    BrowseQuery m_query;
    QList<int> m_dateColumns;
    int m_order = 0;
    int m_keyColumn = -1;
};
