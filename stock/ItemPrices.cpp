#include "stock/ItemPrices.h"

namespace {

Money unitOf(Money total, double quantity)
{
    return quantity > 0 ? total.dividedBy(quantity, 2).value_or(Money()) : Money();
}

Money vatOf(Money net, double vatPercent)
{
    return net.multiplied(vatPercent / 100.0, 2);
}

// round2(GT × 100 / (100 + r))
Money netOfGross(Money gross, double vatPercent)
{
    return gross.multiplied(100).dividedBy(100.0 + vatPercent, 2).value_or(Money());
}

} // namespace

ItemPrices ItemPrices::compute(Typed typed, const ItemPrices &current, double quantity, double vatPercent)
{
    ItemPrices result;
    switch (typed) {
    case Typed::NetUnit:
        result.netUnit = current.netUnit;
        result.netTotal = current.netUnit.multiplied(quantity, 2);
        result.vatTotal = vatOf(result.netTotal, vatPercent);
        result.grossTotal = result.netTotal + result.vatTotal;
        result.grossUnit = unitOf(result.grossTotal, quantity);
        break;
    case Typed::GrossUnit:
        result.grossUnit = current.grossUnit;
        result.grossTotal = current.grossUnit.multiplied(quantity);
        result.netTotal = netOfGross(result.grossTotal, vatPercent);
        result.vatTotal = result.grossTotal - result.netTotal;
        result.netUnit = unitOf(result.netTotal, quantity);
        break;
    case Typed::NetTotal:
        result.netTotal = current.netTotal;
        result.vatTotal = vatOf(result.netTotal, vatPercent);
        result.grossTotal = result.netTotal + result.vatTotal;
        result.netUnit = unitOf(result.netTotal, quantity);
        result.grossUnit = unitOf(result.grossTotal, quantity);
        break;
    case Typed::GrossTotal:
        result.grossTotal = current.grossTotal;
        result.netTotal = netOfGross(result.grossTotal, vatPercent);
        result.vatTotal = result.grossTotal - result.netTotal;
        result.netUnit = unitOf(result.netTotal, quantity);
        result.grossUnit = unitOf(result.grossTotal, quantity);
        break;
    }
    return result;
}
