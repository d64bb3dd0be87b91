#include "menu/RationRounding.h"

#include "core/Rounding.h"

namespace RationRounding {

double sheet(double quantity, int decimals)
{
    if (decimals == 0)
        return Rounding::roundUp(quantity, 0);
    if (decimals >= 1 && decimals <= 3)
        return Rounding::round(quantity, decimals);
    return quantity;
}

double planned(double quantity, int decimals)
{
    if (decimals >= 0 && decimals <= 3)
        return Rounding::roundUp(quantity, decimals);
    return quantity;
}

} // namespace RationRounding
