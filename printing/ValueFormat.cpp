#include "printing/ValueFormat.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"

#include <QDate>
#include <QDateTime>

namespace ValueFormat {

QString number(const QString &mask, double value)
{
    return NumberFormat::format(value, mask);
}

static QString dateText(const QDate &date, const QString &pattern)
{
    return pattern.isEmpty() ? Dates::shortText(date) : date.toString(pattern);
}

QString text(const QVariant &value, const QString &mask, const QString &datePattern)
{
    if (value.isNull() || !value.isValid())
        return QString();
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return dateText(value.toDate(), datePattern);
    case QMetaType::QDateTime: {
        const QDateTime time = value.toDateTime();
        return datePattern.isEmpty() ? Dates::shortDateTimeText(time) : time.toString(datePattern);
    }
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        if (!mask.isEmpty())
            return number(mask, value.toDouble());
        if (value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float)
            return NumberFormat::plain(value.toDouble());
        return value.toString();
    case QMetaType::QString: {
        const QString string = value.toString();
        if (!datePattern.isEmpty()) {
            const QDate date = Dates::fromIso(string.left(10));
            if (date.isValid())
                return dateText(date, datePattern);
        }
        if (!mask.isEmpty()) {
            bool ok = false;
            const double number = string.trimmed().toDouble(&ok);
            if (ok)
                return ValueFormat::number(mask, number);
        }
        return string;
    }
    default:
        return value.toString();
    }
}

} // namespace ValueFormat
