#include "master/TypedQuantity.h"

#include "core/NumberFormat.h"
#include "core/TypedNumber.h"

#include <algorithm>

namespace TypedQuantity {

QString shown(double value, int decimals)
{
    return NumberFormat::fixed(value, std::clamp(std::max(decimals, NumberFormat::plainDecimals(value)), 0, 15));
}

Checked<double> read(const QString &text, double maximum, const QString &field)
{
    const std::optional<double> typed = TypedNumber::quantity(text, Decimals);
    if (!typed)
        return Checked<double>::refused(
            Refusal::error(QStringLiteral("Hibás értékadás!\rA mezőbe csak számot írhat!"), field));
    if (*typed < 0)
        return Checked<double>::refused(Refusal::error(QStringLiteral("Túl kevés a megadott mennyiség!"), field));
    if (*typed > maximum)
        return Checked<double>::refused(Refusal::error(
            QStringLiteral("Hibás értékadás!\rA mennyiség legfeljebb %1 lehet!").arg(NumberFormat::plain(maximum)),
            field));
    return Checked<double>::accepted(*typed);
}

} // namespace TypedQuantity
