#pragma once

#include "core/Refusal.h"

#include <QSqlDatabase>
#include <QString>

class Messenger;
class QSqlError;

// Opening a new work year in one warehouse: the check of the typed year, then the new Munkaev row
// and an opening row in Raktar for every material of the stock at 31 December of the last year,
// computed from the movement rows, all in one transaction.
class YearOpening
{
public:
    explicit YearOpening(QSqlDatabase warehouse);

    // Caption "HIBA!", symbol 2, button "OK".
    static QString refusalText();
    static QString openingMessage(int year, int lastYear);
    static QString successText();

    // The greatest year recorded in Munkaev; 0 when there is none. -1 when it cannot be read
    // (`error` then says why).
    int lastYear(QSqlError *error = nullptr) const;

    // The typed text as a year that may be opened; refused with refusalText() when it is not a
    // whole number, not greater than the last recorded year, above 2098 or below 2001. With no
    // year recorded at all every year 2001..2098 is accepted.
    Checked<int> check(const QString &text) const;

    // Writes the Munkaev row (active) and the opening rows dated 1 January of the year, recorded
    // by user, in one transaction; the number of opening rows written. Shows the progress notice
    // while it works. Refused, with nothing written:
    //  - with refusalText() when another copy of the program opened a year meanwhile, or the year
    //    is no longer greater than the last one (isOpenedElsewhere());
    //  - as every failed write does (WriteTransaction) when a statement or the commit failed.
    Checked<int> open(int year, const QString &user, Messenger &messenger);
    static bool isOpenedElsewhere(const Refusal &refusal) { return refusal.text == refusalText(); }

private:
    QSqlDatabase m_db;
};
