#pragma once

#include "core/Refusal.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// The answer of one stock operation: either a refusal (nothing was written) or what was written,
// with the minimum/maximum stock notices to show after the commit (under DisplayTetelWarning).
struct StockOutcome
{
    Refusal refusal;
    bool failed = false; // the database refused a statement (not a check): nothing was written
    qint64 raktAzon = 0; // the row written (new or changed)
    QString bizSzam; // the voucher number used (a taken proposal is replaced)
    QString sorszam; // the voucher running number written
    QString partAzon; // on the "another partner" refusal: the voucher's partner to set back
    int rows = 0; // rows deleted by a whole-voucher deletion
    QList<Refusal> notices;

    bool ok() const { return refusal.isNull(); }
};
