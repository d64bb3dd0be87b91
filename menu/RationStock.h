#pragma once

#include "core/Refusal.h"
#include "menu/RationTypes.h"

#include <QDate>
#include <QHash>

// Where the ration sheet takes the stock of its date from: every material's stock quantity and
// register price, keyed by material. A material without a row has stock 0 and price 0.
class RationStockSource
{
public:
    virtual ~RationStockSource() = default;
    virtual Checked<QHash<MaterialKey, RationStockValue>> stockAt(const QDate &date) = 0;
};
