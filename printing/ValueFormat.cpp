#include "printing/ValueFormat.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace ValueFormat {

QString number(const QString &mask, double value)
{
    Q_UNUSED(mask);
    return QLocale::c().toString(value, 'f', 2);
}

static const QLocale &plainLocale()
{
    static const QLocale locale = [] {
        QLocale hungarian(QLocale::Hungarian, QLocale::Hungary);
        hungarian.setNumberOptions(QLocale::OmitGroupSeparator);
        return hungarian;
    }();
    return locale;
}

static QString dateText(const QDate &date, const QString &pattern)
{
    return date.toString(pattern.isEmpty() ? QStringLiteral("yyyy.MM.dd") : pattern);
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
        return time.toString(datePattern.isEmpty() ? QStringLiteral("yyyy.MM.dd hh:mm") : datePattern);
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
            return plainLocale().toString(value.toDouble(), 'g', 15);
        return value.toString();
    case QMetaType::QString: {
        const QString string = value.toString();
        if (!datePattern.isEmpty()) {
            const QDate date = QDate::fromString(string.left(10), Qt::ISODate);
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
