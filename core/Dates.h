#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Hungarian date texts and the month and year boundaries the closings and reports need.
// Texts of an invalid date are empty; parsers return an invalid QDate for refused text.
namespace Dates {

// "január" ... "december"; empty outside 1..12.
QString monthName(int month);
// "2006. március"
QString yearMonthText(const QDate &date);
// The short date as the program shows it: "2006.03.31."
QString shortText(const QDate &date);
// Short date and time: "2006.03.31. 14:05:09"
QString shortDateTimeText(const QDateTime &dateTime);
// The stored form: "2006-03-31"
QString isoText(const QDate &date);

// A stored date, exactly "yyyy-MM-dd".
QDate fromIso(const QString &text);
// A typed date: four-digit year, month and day of one or two digits, each followed by "."
// and at most one blank ("2006.03.31.", "2006.3.31", "2006. 03. 31."); the last "." may be
// left off. Anything else, or a day that does not exist, is refused.
QDate parse(const QString &typed);

QDate firstDayOfMonth(const QDate &date);
QDate lastDayOfMonth(const QDate &date);
QDate firstDayOfYear(int year);
QDate lastDayOfYear(int year);

} // namespace Dates
