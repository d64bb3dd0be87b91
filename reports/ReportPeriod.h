#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QStringList>

// The year list and date limits of the report screens.
namespace ReportPeriod {

struct YearList
{
    QStringList years; // the work years in table order, then the last one plus 1
    int selected = -1; // the active work year's index; -1 when none is active
};

struct Period
{
    QDate from;
    QDate to;
    QDate minimum;
    QDate maximum;
};

// From the rows of the work-year table (year text, active flag) in table order.
YearList yearList(const QList<QPair<QString, bool>> &rows);
// Reads the warehouse's work-year table; an empty list (and the error) when it cannot be read.
YearList loadYears(const QSqlDatabase &warehouse, QString *error = nullptr);

// The period of a chosen year: 1 January to today in the current year, else to 31 December;
// both pickers limited to the year.
Period periodFor(int year, const QDate &today);
// A single key date: today in the current year, else 1 January; at least 1 January.
Period singleDateFor(int year, const QDate &today);
// The limits that changing the year first widens the pickers to.
QDate widestMinimum();
QDate widestMaximum();

} // namespace ReportPeriod
