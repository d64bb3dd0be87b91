#pragma once

#include "core/Refusal.h"
#include "stock/StockNotices.h"

#include <QString>
#include <QtGlobal>

// The answer of one stock operation or one posted voucher: either a refusal (nothing was written)
// or what was written, with the notices to show after the commit.
struct StockOutcome
{
    Refusal refusal;
    bool failed = false; // the database refused a statement (not a check): nothing was written
    qint64 raktAzon = 0; // the row written (new or changed)
    QString bizSzam; // the voucher number used (a taken proposal is replaced); empty when no row was posted
    QString sorszam; // the voucher running number written
    QString partAzon; // on the "another partner" refusal: the voucher's partner to set back
    int rows = 0; // rows posted by a whole voucher, or deleted by a whole-voucher deletion
    StockNotices notices;

    bool ok() const { return refusal.isNull(); }
};
