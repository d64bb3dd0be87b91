#pragma once

#include "stock/MaterialStock.h"
#include "stock/Recalculation.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// Runs the stock recalculation for one material inside the caller's transaction:
// loads the balance before a date and the rows from that date on (OrderCal order, indexed),
// computes them (check mode), and unless the quantity turns negative writes the changed rows and
// the material's stock fields (write mode). Throws StockSql::Failure on a database error.
class StockRecalculator
{
public:
    StockRecalculator(QSqlDatabase db, bool kiadAr)
        : m_db(db)
        , m_kiadAr(kiadAr)
    {
    }

    struct Result
    {
        bool negative = false;
        MaterialStock material; // after the run (the written stock fields)
        int rowsWalked = 0;
        int rowsWritten = 0;
    };

    // From the first row dated `from` on (every row of the material when `from` is invalid).
    // `write` false: check mode only.
    Result run(const QString &fokSzla, const QString &nyilvSzam, const QDate &from, bool write);

    // The SQL ORDER BY of the calculation order (the OrderCal index), descending when asked.
    static QString orderBy(bool descending);

private:
    QSqlDatabase m_db;
    bool m_kiadAr;
};
