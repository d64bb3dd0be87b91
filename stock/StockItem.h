#pragma once

#include "core/Money.h"

#include <QDate>
#include <QString>

// What a voucher screen (or another Part that moves stock) hands to the stock engine for one item.
struct StockItem
{
    QString mozgnem; // movement type; its direction (Irany) makes the row a receipt or an issue
    QString bizSzam; // voucher number, eight digits
    // The number was proposed by the program (not typed): if another computer has taken it
    // meanwhile, the engine proposes a new one instead of joining that voucher.
    bool numberProposed = false;
    QDate datum;
    QString fokSzla;
    QString nyilvSzam;
    QString partAzon;
    QString afaKod;
    double quantity = 0;
    // Receipts: the net unit price, net total, VAT and gross of the item as the price fields hold
    // them. Issues: netTotal is the typed issue value (read only when KiadAr is on).
    Money netUnit;
    Money netTotal;
    Money vatTotal;
    Money grossTotal;
    QDate lejarat; // receipts only
    bool stat = false; // true on rows of a ration-sheet issue (Parts 5.4, 6.3)
};
