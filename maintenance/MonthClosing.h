#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QStringList>

// The monthly closing of the active warehouse: a Napizaras row dated the last day of the chosen
// month of the work year. The last closing is read again inside the write, so two computers closing
// the same month get the warning instead of a second row.
namespace MonthClosing {

// Caption "Információ", symbol 3.
QString successText();
// Caption "Figyelmeztetés!", symbol 1.
QString alreadyClosedText();
QString explanationText();
// The twelve entries of the month list: "1   - január" ... "12 - december".
QStringList monthEntries();
// The month the screen proposes: the one before today's (January proposes January).
int proposedMonth(const QDate &today);

// Closes month `month` (1..12) of `year` as `user`; the closing date, or the refusal:
// alreadyClosedText() when the last closing is that month or a later one, or a
// failed write's message.
Checked<QDate> close(QSqlDatabase warehouse, int year, int month, const QString &user);

} // namespace MonthClosing
