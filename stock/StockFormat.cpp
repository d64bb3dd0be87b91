#include "stock/StockFormat.h"

#include "core/NumberFormat.h"
#include "core/TypedNumber.h"

#include <cmath>

namespace StockFormat {

QString money(const Money &value)
{
    return NumberFormat::format(value, QStringLiteral("###,###,##0.00 ")) + QStringLiteral("Ft");
}

QString price(const Money &value)
{
    return NumberFormat::format(value, QStringLiteral("0.00"));
}

QString quantity(double value, int decimals)
{
    const QString mask
        = decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("0");
    return NumberFormat::format(value, mask);
}

std::optional<Money> typedMoney(const QString &text)
{
    if (text.trimmed().isEmpty())
        return Money();
    const std::optional<Money> amount = Money::fromText(text);
    if (!amount || std::fabs(amount->toDouble()) > AmountLimit)
        return std::nullopt;
    return amount;
}

std::optional<double> typedQuantity(const QString &text, int decimals)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    return TypedNumber::quantity(text, decimals);
}

} // namespace StockFormat
