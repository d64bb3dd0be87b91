#include "stock/ItemChecks.h"

#include "core/TypedNumber.h"
#include "stock/MovementTable.h"

#include <cmath>

namespace ItemChecks {
namespace {

bool isQuantity(double quantity)
{
    return std::isfinite(quantity) && std::fabs(quantity) <= TypedNumber::QuantityLimit;
}

// Receipts carry their unit price and totals; issues only their typed value (the others are still
// the in-progress marker). The product of quantity and unit price must also be an amount, and the
// gross may hold the net and its VAT.
bool amountsWithin(const MovementRow &row)
{
    if (!row.isReceipt())
        return row.tetelErtek.withinAmountLimit();
    if (!row.beAr.withinAmountLimit() || !row.tetelErtek.withinAmountLimit() || !row.afaErtek.withinAmountLimit())
        return false;
    const double limit = double(Money::AmountLimit);
    return std::fabs(row.brutto.toDouble()) <= 2 * limit
        && std::fabs(row.tetelMenny) * std::fabs(row.beAr.toDouble()) <= limit;
}

} // namespace

QString badQuantity()
{
    return QStringLiteral("Hibás mennyiség!\rA mennyiség csak -1 000 000 000 és 1 000 000 000 közötti szám lehet!");
}

QString badAmount()
{
    return QStringLiteral(
        "Hibás összeg!\rEgy tétel egységára és értéke legfeljebb 10 000 000 000 Ft lehet!\rA tétel nem lett rögzítve.");
}

QString missingVat(const QString &material, const QString &afaCsoport)
{
    return QStringLiteral("A(z) ") + material + QStringLiteral(" anyag ÁFA csoportjának (") + afaCsoport
        + QStringLiteral(") nincs a bizonylat dátumán érvényes ÁFA kulcsa!\rVegye fel az ÁFA kódok között, "
                         "a tétel nem lett rögzítve.");
}

Refusal check(const MovementRow &row, const MovementTable::ItemFacts &facts)
{
    if (!isQuantity(row.tetelMenny))
        return Refusal::error(badQuantity(), QStringLiteral("edtMennyiseg"));
    if (!amountsWithin(row))
        return Refusal::error(badAmount(), row.isReceipt() ? QStringLiteral("fleNEar") : QStringLiteral("fleKiadAr"));
    // A missing VAT row is a gap in the master data, not a rate of 0 %.
    if (row.afaKod.isEmpty() || !facts.vatExists)
        return Refusal::error(missingVat(facts.megnevezes, facts.afaCsoport), QStringLiteral("dbcAfa"));
    return Refusal();
}

} // namespace ItemChecks
