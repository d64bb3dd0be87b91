#include "reports/ReportPeriod.h"

#include "store/Sql.h"

#include <QSqlError>
#include <QSqlQuery>

namespace ReportPeriod {

YearList yearList(const QList<QPair<QString, bool>> &rows)
{
    YearList list;
    for (const auto &[year, active] : rows) {
        if (active && list.selected < 0)
            list.selected = int(list.years.size());
        list.years.append(year.trimmed());
    }
    if (!list.years.isEmpty()) {
        bool ok = false;
        const int last = list.years.last().toInt(&ok);
        if (ok)
            list.years.append(QString::number(last + 1));
    }
    return list;
}

YearList loadYears(const QSqlDatabase &warehouse, QString *error)
{
    QSqlQuery query(warehouse);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT \"MunkaEv\", \"AktivEv\" FROM \"Munkaev\" ORDER BY \"MunkaEv\""))) {
        if (error)
            *error = query.lastError().text();
        return YearList();
    }
    QList<QPair<QString, bool>> rows;
    while (query.next())
        rows.append({query.value(0).toString(), Sql::toFlag(query.value(1))});
    return yearList(rows);
}

Period periodFor(int year, const QDate &today)
{
    Period period;
    period.minimum = QDate(year, 1, 1);
    period.maximum = QDate(year, 12, 31);
    period.from = period.minimum;
    period.to = year == today.year() ? today : period.maximum;
    return period;
}

Period singleDateFor(int year, const QDate &today)
{
    Period period;
    period.minimum = QDate(year, 1, 1);
    period.maximum = widestMaximum();
    period.from = year == today.year() ? today : period.minimum;
    period.to = period.from;
    return period;
}

QDate widestMinimum()
{
    return QDate(1900, 1, 1);
}

QDate widestMaximum()
{
    return QDate(2099, 12, 31);
}

} // namespace ReportPeriod
