#pragma once

#include "core/Refusal.h"
#include "master/BrowseSpec.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The SQL of a browse screen: its rows in the chosen order, and the position in that order of
// the row that a search finds or that a key names. Positions are counted in the same order as
// the grid's query, so a found row can be selected in the grid without reading every column.
class BrowseQuery
{
public:
    BrowseQuery(QSqlDatabase db, const BrowseSpec &spec);

    const BrowseSpec &spec() const { return m_spec; }
    QSqlDatabase database() const { return m_db; }

    // The grid's query in the given order (an index of spec().orders; key order without any).
    QString selectSql(int order) const;
    // One page of the grid's query: bind the row count and the offset. Only the keys are sorted
    // to find the page; its rows are then read by key, so a page far down costs little more
    // than the first.
    QString pageSql(int order) const;
    // The number of the grid's rows.
    QString countSql() const;
    // The printout's query in the same order.
    QString reportSql(int order) const;
    // The position of the first row, in that order, that the typed text finds in the given
    // search field; the search's refusal for a value not of the field's kind, "A keresett elem
    // nem található!" when no row matches, the read's refusal when the database turns it down.
    Checked<int> locate(int order, int search, const QString &typed) const;
    // The position of the row with that key (values in spec().key order); -1 when there is none,
    // the read's refusal when the database turns it down.
    Checked<int> rowOf(int order, const QStringList &key) const;

private:
    // ORDER BY the order's terms and then the key; `alias` qualifies the fields.
    QString orderBy(int order, const QString &alias = QString()) const;
    // The rows as a derived table of that alias.
    QString source(const QStringList &select, const QString &alias = QStringLiteral("b")) const;

    QSqlDatabase m_db;
    BrowseSpec m_spec;
};
