#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The numbered periods of the movement summary ("tabló", table Tablo): "001", "002", ... each with
// its first and last day, added in number order and never changed.
namespace StoredPeriods {

struct Period
{
    QString number;
    QDate from;
    QDate to;
};

// The open period offered for a new tabló, and the earliest day its pickers allow.
struct Open
{
    QDate from;
    QDate to;
    QDate minimum;
};

// Every stored period in number order.
Checked<QList<Period>> load(QSqlDatabase warehouse);
// With none stored: 1 January of the work year to today. Otherwise from the day after the last
// period's end (also the minimum) to today, or to that day when today lies before it.
Open openPeriod(const QList<Period> &stored, int workYear, const QDate &today);
// Stores the period under the next number (the last number + 1, "001" for the first), taken inside
// the write so that two computers never store the same number; the number written. A period that
// ends before it starts is refused (backwardsPeriodText) and nothing is stored.
Checked<QString> save(QSqlDatabase warehouse, const QDate &from, const QDate &to);
QString backwardsPeriodText();
// The warning after saving a period that ends after the last closing: back-dated vouchers can
// still change its sums. Null when the period lies inside the closed months.
Refusal openEndWarning(const QDate &to, const QDate &lastClosing);

} // namespace StoredPeriods
