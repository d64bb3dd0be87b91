#include "menu/RationRounding.h"

namespace RationRounding {

static bool rounds(int decimals)
{
    return decimals >= 0 && decimals <= 3;
}

RationQuantity sheet(RationQuantity quantity, int decimals)
{
    if (decimals == 0)
        return quantity.roundedUp(0);
    return rounds(decimals) ? quantity.rounded(decimals) : quantity;
}

double sheet(double quantity, int decimals)
{
    return rounds(decimals) ? sheet(RationQuantity::fromDouble(quantity), decimals).toDouble() : quantity;
}

RationQuantity planned(RationQuantity quantity, int decimals)
{
    return rounds(decimals) ? quantity.roundedUp(decimals) : quantity;
}

double planned(double quantity, int decimals)
{
    return rounds(decimals) ? planned(RationQuantity::fromDouble(quantity), decimals).toDouble() : quantity;
}

} // namespace RationRounding
