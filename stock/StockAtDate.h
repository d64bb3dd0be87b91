#pragma once

#include "stock/StockLine.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>

// The stock-at-date computation: every material with any movement row, with its
// stock quantity, value, VAT, gross and price at a date, summed from the first day of the period
// (1 January of the earlier of the date's year and the work year, so that a previous year's
// opening rows are never added on top of its movements) to the date. One grouped query over the
// movement rows and one over the materials.
class StockAtDate
{
public:
    explicit StockAtDate(QSqlDatabase warehouse)
        : m_db(warehouse)
    {
    }

    static QDate periodStart(const QDate &date, int workYear);

    // The rows in key order (FokSzam, NyilvSzam); `error` gets the database's text on failure.
    QList<StockLine> compute(const QDate &date, int workYear, QString *error = nullptr) const;

    // Empties Leltar and writes `lines` into it, in one transaction.
    bool writeLeltar(const QList<StockLine> &lines, QString *error = nullptr);
    // compute() and writeLeltar() together: what the issue voucher, the ration sheets, the year
    // closing and the inventory difference run before they read Leltar.
    bool fillLeltar(const QDate &date, int workYear, QString *error = nullptr);

private:
    void writeRows(const QList<StockLine> &lines);
    bool inTransaction(const std::function<void()> &body, QString *error);

    QSqlDatabase m_db;
};
