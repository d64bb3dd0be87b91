#pragma once

#include "core/Money.h"
#include "transfer/DosSources.h"

#include <QList>
#include <QString>
#include <QStringList>

// The opening stock of the work year from the predecessor's movements: per material the year's
// receipts less its issues, quantity to three decimals and value to two, halves to even.
namespace DosOpeningStock {

struct Balance
{
    QString fokSzla;
    QString nyilvSzam;
    double quantity = 0;
    Money value;
};

struct Result
{
    // Materials with a positive balance, in key order.
    QList<Balance> balances;
    // Materials that get no opening row and why: "100-0001: csak kiadása van" ...
    QStringList skipped;
};

// Movements dated outside `workYear` are left out.
Result balances(const QList<DosSources::Movement> &movements, int workYear);

} // namespace DosOpeningStock
