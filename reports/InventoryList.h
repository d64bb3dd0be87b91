#pragma once

#include "stock/StockLine.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The inventory list ("Anyagleltár lista"): the stock at a date of every material, written into
// Leltar, then shown through the view filter (zero rows, one ledger account) in key or name order,
// with the totals of the visible rows.
class InventoryList
{
public:
    struct Parameters
    {
        QDate date;
        int workYear = 0;
        bool showZero = false; // "Nullás tételeket is mutassa"
        QString ledgerAccount; // "Főkönyvi számra szűrés": empty for every account
        bool byName = false; // "Megnevezés szerint rendez"
    };
    struct Totals
    {
        Money value;
        Money vat;
        Money gross;
    };

    explicit InventoryList(QSqlDatabase warehouse)
        : m_db(warehouse)
    {
    }

    // Computes the stock at the date and refills Leltar; false with the database's text on failure.
    bool run(const Parameters &parameters, QString *error = nullptr);
    // The filter and order applied again (after a change of the check boxes or the account).
    void applyView(const Parameters &parameters);

    const QList<StockLine> &rows() const { return m_rows; }
    const Totals &totals() const { return m_totals; }
    // "Napi készletérték: ..." with " ÁFA:" and " Brutto:" when ShowAFA is on.
    QString statusText(bool showAfa) const;

private:
    QSqlDatabase m_db;
    QList<StockLine> m_all;
    QList<StockLine> m_rows;
    Totals m_totals;
};
