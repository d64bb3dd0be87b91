#pragma once

#include "stock/ui/VoucherPrintout.h"

// The receipt voucher printout "Bevételi bizonylat": one or more receipt vouchers, ending with the
// line where the receiver signs.
class TqrpBevbiz : public VoucherPrintout
{
public:
    // `to` left out: the printout of one day (a single voucher).
    TqrpBevbiz(const Settings &settings, Messenger &messenger, VoucherPrintRows rows, const QDate &from,
        const QDate &to = QDate())
        : VoucherPrintout(settings, messenger, Kind::Receipt, std::move(rows), from, to)
    {
    }
};
