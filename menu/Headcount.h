#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// The headcount of one meal of one day (a row of Letszam). A meal without a headcount has no row.
namespace Headcount {

struct Entry
{
    int count = 0; // 0 when there is no row
    bool issued = false; // Kiadva
    bool exists = false;
};

Entry read(QSqlDatabase db, const QDate &date, const QString &meal);

// The warning shown before an issued meal's headcount is edited.
QString issuedWarning();

// "&Rögzít" of the headcount dialog, in one transaction that re-reads the row: 0 removes the row
// of a meal that is not issued; 0 for an issued meal is refused ("Kiszabott létszám nem lehet
// nulla!", the dialog shows 1 again); any other value is written (the row created if needed,
// not issued). Nothing is written before this call, so a cancelled dialog changes nothing.
// A date on or before the closing date is refused.
Refusal save(QSqlDatabase db, const QDate &date, const QString &meal, int count, const QDate &closedThrough);

} // namespace Headcount
