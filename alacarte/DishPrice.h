#pragma once

#include "core/Money.h"

// The two-way price rule of an a-la-carte dish: from the net material cost of one portion, the
// VAT rate of the sale and either the margin or the gross selling price, the other one and the
// figures shown beside them. Amounts are exact (Money); every product and quotient is rounded
// once to four decimals, and the gross price derived from a margin to two decimals, because it is
// stored as it is shown.
struct DishPrice
{
    Money cost; // net material cost of one portion
    double vatPercent = 0;
    double margin = 0; // percent, one decimal
    Money gross; // gross selling price, two decimals
    Money net; // net selling price
    Money vat; // VAT of the sale
    Money profit; // net selling price minus net material cost

    // The margin typed: net = cost + margin % of cost, VAT = rate % of net, gross = net + VAT.
    static DishPrice fromMargin(Money cost, double margin, double vatPercent);
    // The gross price typed: net = gross x 100 / (rate + 100); the margin is the profit in percent
    // of the cost, one decimal, and 0 for a dish that costs nothing.
    static DishPrice fromGross(Money cost, Money gross, double vatPercent);
    // The net part of a gross price at a VAT rate.
    static Money netOf(Money gross, double vatPercent);
    // `percent` % of an amount, rounded once to four decimals.
    static Money percentOf(Money amount, double percent);
};
