#pragma once

#include "core/Money.h"

#include <QString>
#include <optional>

// How the stock screens and reports write amounts and quantities.
namespace StockFormat {

// "###,###,##0.00 " and the currency symbol: "1 234,50 Ft".
QString money(const Money &value);
// A price field: two decimals, no grouping ("1234,50").
QString price(const Money &value);
// A quantity with the material's decimals ("12,500").
QString quantity(double value, int decimals);
// The largest amount a price field of a voucher takes, typed or computed: far beyond any kitchen's
// item, and small enough that the totals of a voucher or a year stay inside Money's range.
inline constexpr double AmountLimit = 1e12;

// A typed amount or quantity ("12,5", "12.5", "1 234"), parsed strictly (TypedNumber); an empty
// field is zero, anything else that is not a number (or out of range: an amount beyond
// ±AmountLimit) gives none. A quantity is rounded to `decimals` places.
std::optional<Money> typedMoney(const QString &text);
std::optional<double> typedQuantity(const QString &text, int decimals);

} // namespace StockFormat
