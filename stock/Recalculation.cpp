#include "stock/Recalculation.h"

#include "core/Rounding.h"

Recalculation::Outcome Recalculation::run(Balance start, QList<Row> &rows, int kerekites, bool kiadAr)
{
    Outcome outcome;
    double quantity = start.quantity;
    Money value = start.value;
    for (int i = 0; i < rows.size(); ++i) {
        Row &row = rows[i];
        if (!row.receipt) {
            // The average price before the issue.
            const Money price = quantity > 0 ? value.dividedBy(quantity).value_or(Money()) : Money();
            quantity = Rounding::round(quantity - row.quantity, kerekites);
            Money amount = kiadAr ? row.value : price.multiplied(row.quantity);
            if (!kiadAr && quantity == 0)
                amount = value;
            value -= amount;
            if (quantity == 0)
                value = Money();
            if (!kiadAr)
                row.value = amount;
            row.averagePrice = price;
            if (kiadAr)
                row.unitPrice = row.quantity > 0 ? row.value.dividedBy(row.quantity).value_or(Money()) : Money();
            else
                row.unitPrice = price;
            row.vat = row.value.multiplied(row.vatPercent / 100.0);
            row.gross = row.value + row.vat;
            outcome.lastPrice = price;
        } else {
            if (row.opening) {
                quantity = Rounding::round(row.quantity, kerekites);
                value = row.value;
            } else {
                quantity = Rounding::round(quantity + row.quantity, kerekites);
                value += row.value;
            }
            row.averagePrice = quantity != 0 ? value.dividedBy(quantity).value_or(Money()) : Money();
            outcome.lastPrice = row.averagePrice;
        }
        outcome.hasPrice = true;
        row.after = Balance{quantity, value};
        if (quantity < 0 && outcome.negativeAt < 0)
            outcome.negativeAt = i;
    }
    outcome.end = Balance{quantity, value};
    return outcome;
}
