#pragma once

#include "core/Money.h"

// The price fields of a voucher item (Parts 4.1 and 4.2): net and gross unit price, net and
// gross total and the VAT of the item. Only the field being typed drives the others.
struct ItemPrices
{
    enum class Typed {
        NetUnit, // also a change of the quantity, the VAT row, the material or the date
        GrossUnit,
        NetTotal,
        GrossTotal,
    };

    Money netUnit;
    Money grossUnit;
    Money netTotal;
    Money grossTotal;
    Money vatTotal;

    // The fields after `typed` got its value in `current` (the others of `current` are ignored),
    // for the quantity and the VAT percent of the item; round2 is halves to even.
    static ItemPrices compute(Typed typed, const ItemPrices &current, double quantity, double vatPercent);

    bool operator==(const ItemPrices &) const = default;
};
