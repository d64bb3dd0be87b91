#include "reports/ReportSums.h"

#include "core/Rounding.h"

#include <QStringList>

#include <cmath>

namespace ReportSums {

QString units(const QString &expression)
{
    return QStringLiteral("ROUND((%1) * %2)").arg(expression).arg(Money::Scale);
}

QString sql(const QString &expression)
{
    return QStringLiteral("SUM(%1)").arg(units(expression));
}

Money amount(const QVariant &units)
{
    if (units.isNull())
        return Money();
    // Whole numbers below 2^53 pass through a double unchanged.
    return Money::fromUnits(std::llround(units.toDouble()));
}

double percent(const Money &part, const Money &whole)
{
    if (whole <= Money())
        return 0;
    return Rounding::round(double(part.units()) * 100.0 / double(whole.units()), 2);
}

QString inList(const QString &column, int count)
{
    if (count <= 0)
        return QStringLiteral("1 = 0");
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return column + QStringLiteral(" IN (") + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
}

} // namespace ReportSums
