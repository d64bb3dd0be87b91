#pragma once

#include "stock/ui/VoucherPrintout.h"

// The issue voucher printout "Kiadási bizonylat": one or more issue vouchers, ending with the
// signature footer.
class TqrpKibiz : public VoucherPrintout
{
public:
    // `to` left out: the printout of one day (a single voucher).
    TqrpKibiz(const Settings &settings, Messenger &messenger, VoucherPrintRows rows, const QDate &from,
        const QDate &to = QDate())
        : VoucherPrintout(settings, messenger, Kind::Issue, std::move(rows), from, to)
    {
    }
};
