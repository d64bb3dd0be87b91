#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// The physical closing of the active warehouse: every voucher, menu, headcount and ration-sheet
// row dated on or before the closing date is deleted, and each material that had movement rows up
// to that date gets one opening row (movement type "00", as the year opening writes) dated the
// closing date and carrying its stock at that date. So the stock at every later date, every later
// balance and the next year's opening stay as they were. One transaction; the date must not be
// after the last closed month, read again inside it. The tables are compacted after the commit.
namespace PhysicalClosing {

// Caption "Figyelmeztetés", symbol 1, buttons "Igen", "Nem", "Súgó".
QString firstWarningText();
QString backupQuestionText();
// Caption "Információ", symbol 3, buttons "OK", "Mégse", "Súgó".
QString lastWarningText();
QString dateLabel();
// Progress notice ("Folyamat", symbol 9).
QString progressText();
// Caption "Információ", symbol 4, button "OK".
QString doneText();
// Caption "HIBA!", symbol 2.
QString afterClosedMonthText();
QString compactFailedText(int warehouse, const QString &cause);
// Caption "HIBA!", symbol 2: the backup before the closing failed, nothing was deleted.
QString backupFailedText();
QString helpPage();

struct Outcome
{
    int deletedRows = 0; // in every table together
    int openingRows = 0;
};

// The closing to `date` as `user`; `kiadAr` is the setting the stock recalculation of rows left by
// an interrupted recording runs with.
Checked<Outcome> close(QSqlDatabase warehouse, const QDate &date, const QString &user, bool kiadAr);

// Gives the freed space back after the commit (SQLite VACUUM, a server's VACUUM of the tables);
// a null refusal, or compactFailedText().
Refusal compact(QSqlDatabase warehouse, int warehouseNumber);

} // namespace PhysicalClosing
