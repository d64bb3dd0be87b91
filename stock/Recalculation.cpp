#include "stock/Recalculation.h"

#include "core/Rounding.h"

namespace {

const Money OneUnit = Money::fromUnits(Money::Scale);

} // namespace

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
            // A value of -1 or less is no typed value: the in-progress marker of a row being
            // posted (an issue by menu writes no value of its own). Such a row is priced at the
            // average even with KiadAr on.
            const bool typed = kiadAr && row.value > -OneUnit;
            Money amount = typed ? row.value : price.multiplied(row.quantity);
            if (!typed && quantity == 0)
                amount = value;
            value -= amount;
            if (quantity == 0)
                value = Money();
            if (!typed)
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
        row.after = Balance {quantity, value};
        if (quantity < 0 && outcome.negativeAt < 0)
            outcome.negativeAt = i;
    }
    outcome.end = Balance {quantity, value};
    return outcome;
}
