#pragma once

#include "core/Money.h"

#include <QList>
#include <QtGlobal>

// The stock recalculation over one material's movement rows in calculation order
// (OrderCal), as a pure function of the rows: the running quantity and value after each row, the
// prices of the issue rows, and whether the quantity ever drops below zero. The engine loads the
// rows, runs this, refuses on a negative answer (check mode) or writes the results (write mode).
class Recalculation
{
public:
    struct Balance
    {
        double quantity = 0;
        Money value;
    };

    // One movement row: the inputs the recalculation reads, and the fields it computes.
    struct Row
    {
        qint64 id = 0;
        bool receipt = false; // BK "BE"
        bool opening = false; // a receipt of movement type "00": resets the balance
        double quantity = 0; // TetelMenny
        Money value; // TetelErtek: read on receipts and, with KiadAr on, on issues; written otherwise
        double vatPercent = 0; // the percent of the row's VAT code (AfaKod)

        // Computed: KiAr, and on issue rows BeAr, AfaErtek and Brutto (receipts keep theirs).
        Money averagePrice;
        Money unitPrice;
        Money vat;
        Money gross;
        // KeszletMenny and KeszletErtek after the row.
        Balance after;
    };

    struct Outcome
    {
        // The index of the first row after which the running quantity is below zero; -1 when none.
        int negativeAt = -1;
        // The balance after the last row (the start balance when there is no row).
        Balance end;
        // NyilvAr of the material: the price computed for the last row (the average before an
        // issue, the average after a receipt); none when no row was walked.
        bool hasPrice = false;
        Money lastPrice;

        bool negative() const { return negativeAt >= 0; }
    };

    // Walks the rows from `start` (the balance after the row just before the first one), rounding
    // quantities to `kerekites` decimals. With `kiadAr` on an issue subtracts its typed value,
    // otherwise (and always when its value is -1 or less, the mark of a row not priced yet) its
    // quantity times the average price before it; such an issue that empties the stock subtracts
    // exactly the value left, so the value becomes 0 and stays the sum of the stored row values.
    // Every row is computed even after a negative one.
    static Outcome run(Balance start, QList<Row> &rows, int kerekites, bool kiadAr);
};
