#pragma once

#include "stock/StockItem.h"

#include <QDate>
#include <QList>
#include <QString>

// A whole voucher that the stock room posts in one call (the issue by menu, and the other Parts
// that post many items at once): its header, and its items, whose material, quantity, VAT code
// and (receipts) prices are read; their header fields are the voucher's.
struct StockVoucher
{
    QString bk; // the direction its movement type must have: "KI" or "BE"
    QString mozgnem;
    QString bizSzam; // eight digits
    bool numberProposed = false; // proposed by the program: taken meanwhile, it is proposed afresh
    QDate datum;
    QString partAzon;
    bool stat = false; // rows of a ration-sheet issue
    // Issues: the items carry a typed issue value (read only when KiadAr is on); without one the
    // recalculation prices them.
    bool typedValues = false;
    // The items take the VAT code in force on the voucher date for their material's VAT group
    // (the last Afa row of the group dated on or before it) instead of their own.
    bool vatInForce = false;
    QList<StockItem> items;
};
