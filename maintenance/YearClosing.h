#pragma once

#include "core/Refusal.h"

#include <QSqlDatabase>
#include <QString>

// The year closing of the active warehouse: allowed once December of the work year is closed; it
// marks the December closing "Éves zárás" and deactivates the work year in one transaction, which
// reads both again. The next start opens the new year from the stock at 31 December.
namespace YearClosing {

// Caption "Megerősítés!", symbol 4, buttons "Igen", "Nem".
QString confirmText();
// Caption "Figyelmeztetés", symbol 1.
QString decemberOpenText();
QString notActiveText();
// Caption "Információ", symbol 3; the program ends after it.
QString doneText();

// The active work year of the warehouse; 0 when none is active or it cannot be read.
int activeYear(QSqlDatabase warehouse);

// Refreshes the stock list (Leltar) at 31 December of `workYear`, then closes the year as `user`.
// A null refusal when closed; decemberOpenText() when the last closing is not 31 December of the
// work year, notActiveText() when the year is no longer active (closed on another computer), or a
// failed write's message.
Refusal close(QSqlDatabase warehouse, int workYear, const QString &user);

} // namespace YearClosing
