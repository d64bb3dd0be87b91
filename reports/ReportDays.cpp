#include "reports/ReportDays.h"

#include "core/Dates.h"

namespace ReportDays {

QString weekdayName(const QDate &day)
{
    static const QStringList names {QStringLiteral("hétfő"), QStringLiteral("kedd"), QStringLiteral("szerda"),
        QStringLiteral("csütörtök"), QStringLiteral("péntek"), QStringLiteral("szombat"), QStringLiteral("vasárnap")};
    return day.isValid() ? names.at(day.dayOfWeek() - 1) : QString();
}

QStringList monthItems()
{
    QStringList items;
    for (int month = 1; month <= 12; ++month)
        items << QString::number(month) + QStringLiteral(" - ") + Dates::monthName(month);
    return items;
}

QList<QDate> daysOfMonth(int year, int month)
{
    QList<QDate> days;
    const QDate first(year, month, 1);
    for (int day = 1; first.isValid() && day <= first.daysInMonth(); ++day)
        days << QDate(year, month, day);
    return days;
}

QDate endInStartYear(const QDate &from, const QDate &to)
{
    if (!from.isValid() || !to.isValid() || from.year() == to.year())
        return to;
    const QDate first(from.year(), to.month(), 1);
    return QDate(from.year(), to.month(), qMin(to.day(), first.daysInMonth()));
}

bool isWeekend(const QDate &day)
{
    return day.dayOfWeek() >= 6;
}

} // namespace ReportDays
