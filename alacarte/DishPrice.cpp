#include "alacarte/DishPrice.h"

#include "core/Rounding.h"

// A percentage as a factor, taken at the decimals it was typed with (a rate of 27 % is 0.27,
// not the double nearest to 27 / 100 with its binary tail).
static double factor(double percent)
{
    return Rounding::round(percent / 100.0, 8);
}

Money DishPrice::percentOf(Money amount, double percent)
{
    return amount.multiplied(factor(percent));
}

Money DishPrice::netOf(Money gross, double vatPercent)
{
    return gross.multiplied(100).dividedBy(vatPercent + 100).value_or(Money());
}

DishPrice DishPrice::fromMargin(Money cost, double margin, double vatPercent)
{
    DishPrice price;
    price.cost = cost;
    price.vatPercent = vatPercent;
    price.margin = margin;
    price.net = cost + percentOf(cost, margin);
    price.vat = percentOf(price.net, vatPercent);
    price.gross = (price.net + price.vat).rounded(2);
    price.profit = price.net - cost;
    return price;
}

DishPrice DishPrice::fromGross(Money cost, Money gross, double vatPercent)
{
    DishPrice price;
    price.cost = cost;
    price.vatPercent = vatPercent;
    price.gross = gross;
    price.net = netOf(gross, vatPercent);
    price.vat = gross - price.net;
    price.profit = price.net - cost;
    price.margin
        = cost.units() > 0 ? Rounding::round(double(price.profit.units()) * 100.0 / double(cost.units()), 1) : 0;
    return price;
}
