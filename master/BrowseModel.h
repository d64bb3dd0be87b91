#pragma once

#include "master/BrowseQuery.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantList>

// The rows of a browse screen in the chosen order, read a page at a time as the grid shows them,
// so that showing a row far down (a search's hit) does not read every row before it. Changing
// the order keeps the current row.
class BrowseModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    BrowseModel(QSqlDatabase db, const BrowseSpec &spec, QObject *parent = nullptr);

    const BrowseQuery &query() const { return m_query; }
    int order() const { return m_order; }
    // The fields of the rows, in column order.
    const QSqlRecord &fields() const { return m_fields; }

    // Reads the rows again in the given order; returns the row of `keep` in it (-1: none), or
    // the read's refusal (no rows then) when the database turns it down.
    Checked<int> open(int order, const QStringList &keep = {});
    // The row the typed text finds in the current order, or the search's refusal.
    Checked<int> search(int search, const QString &typed);
    // The key values of a row (empty outside the rows).
    QStringList keyAt(int row) const;
    QVariant value(int row, const QString &field) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    // Dates as the program shows them, whatever the engine hands over; money with two decimals and
    // thousands grouped, quantities with the material's decimals (in full without them), both on
    // the right; the key column on yellow.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;

    static constexpr int PageSize = 200;

signals:
    // A page of rows that the grid asked for was refused by the database; it shows as no rows.
    void readRefused(const Refusal &refusal) const;

private:
    const QVariantList *rowAt(int row) const;

    BrowseQuery m_query;
    QSqlRecord m_fields;
    QList<int> m_dateColumns;
    QList<int> m_moneyColumns;
    QList<int> m_numberColumns;
    QList<int> m_quantityColumns;
    int m_decimalsColumn = -1; // the material's Kerekites, when the rows carry it
    QHash<int, QString> m_captions;
    mutable QHash<int, QList<QVariantList>> m_pages;
    int m_rows = 0;
    int m_order = 0;
    int m_keyColumn = -1;
};
