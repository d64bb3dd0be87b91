#include "core/VersionNumber.h"

#include <QRegularExpression>
#include <QStringList>

namespace VersionNumber {

bool isValid(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]+(\\.[0-9]+)*$"));
    return pattern.match(text).hasMatch();
}

// One number of a version without leading zeros, so that numbers of any length compare exactly
// by length first and then digit by digit.
static QString significant(const QStringList &parts, qsizetype index)
{
    if (index >= parts.size())
        return QString();
    QString number = parts.at(index);
    qsizetype zeros = 0;
    while (zeros < number.size() && number.at(zeros) == QLatin1Char('0'))
        ++zeros;
    return number.mid(zeros);
}

int compare(const QString &a, const QString &b)
{
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    const qsizetype count = qMax(left.size(), right.size());
    for (qsizetype i = 0; i < count; ++i) {
        const QString x = significant(left, i);
        const QString y = significant(right, i);
        if (x.size() != y.size())
            return x.size() < y.size() ? -1 : 1;
        const int order = x.compare(y);
        if (order != 0)
            return order < 0 ? -1 : 1;
    }
    return 0;
}

} // namespace VersionNumber
