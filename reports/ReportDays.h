#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The days of the monthly reports and the date rules of the report screens, with fixed Hungarian
// names that do not depend on the machine's locale.
namespace ReportDays {

// "hétfő" ... "vasárnap".
QString weekdayName(const QDate &day);
// "1 - január" ... "12 - december": the month list of the monthly reports.
QStringList monthItems();
// Every day of a month of a year, in order (29 in a leap February).
QList<QDate> daysOfMonth(int year, int month);
// The end date moved into the start date's year with the same month and day; 29 February of a
// year that has none, like the 31st of a shorter month, becomes the month's last day. An end date
// already in the start year stays.
QDate endInStartYear(const QDate &from, const QDate &to);
// Saturday or Sunday: the shaded rows of the monthly printouts.
bool isWeekend(const QDate &day);

} // namespace ReportDays
