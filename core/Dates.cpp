#include "core/Dates.h"

#include <QLocale>
#include <QRegularExpression>

namespace Dates {

static const QLocale &hungarian()
{
    static const QLocale locale(QLocale::Hungarian, QLocale::Hungary);
    return locale;
}

QString monthName(int month)
{
    if (month < 1 || month > 12)
        return QString();
    return hungarian().monthName(month, QLocale::LongFormat);
}

QString yearMonthText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1. %2").arg(date.year()).arg(monthName(date.month()));
}

QString shortText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy.MM.dd.")) : QString();
}

QString shortDateTimeText(const QDateTime &dateTime)
{
    return dateTime.isValid() ? dateTime.toString(QStringLiteral("yyyy.MM.dd. HH:mm:ss")) : QString();
}

QString isoText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QDate fromIso(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

QDate parse(const QString &typed)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{4})\\. ?([0-9]{1,2})\\. ?([0-9]{1,2})\\.?$"));
    const QRegularExpressionMatch match = pattern.match(typed.trimmed());
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

QDate firstDayOfMonth(const QDate &date)
{
    return date.isValid() ? QDate(date.year(), date.month(), 1) : QDate();
}

QDate lastDayOfMonth(const QDate &date)
{
    return date.isValid() ? QDate(date.year(), date.month(), date.daysInMonth()) : QDate();
}

QDate firstDayOfYear(int year)
{
    return QDate(year, 1, 1);
}

QDate lastDayOfYear(int year)
{
    return QDate(year, 12, 31);
}

} // namespace Dates
