#include "reports/MonthlyUsageReport.h"

#include "core/NumberFormat.h"
#include "reports/NormComparison.h"
#include "reports/ReportDays.h"
#include "reports/ReportSums.h"
#include "reports/TextRows.h"
#include "stock/StockFormat.h"
#include "store/RowReader.h"
#include "store/Sql.h"

#include <QHash>

namespace {

const QStringList Captions {QStringLiteral("Napok"), QStringLiteral("Anyagfelhasználás"), QStringLiteral("Normakeret"),
    QStringLiteral("Beállás"), QStringLiteral("Beállás %")};

struct DaySums
{
    QDate day;
    Money norm;
    Money usage;
};

} // namespace

double MonthlyUsageReport::Line::beSzazalek() const
{
    return ReportSums::percent(anyagfelh, normakeret);
}

MonthlyUsageReport::MonthlyUsageReport(QSqlDatabase warehouse)
    : m_db(warehouse)
{
    TextRows::reset(m_model, Captions);
}

Refusal MonthlyUsageReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, Captions);
    m_lines.clear();
    const QList<QDate> days = ReportDays::daysOfMonth(parameters.year, parameters.filters.value(Month).toInt());
    if (days.isEmpty())
        return Refusal::error(QStringLiteral("Érvénytelen hónap."));
    const bool withALaCarte = parameters.filters.value(WithALaCarte).toBool();
    QVariantList part {parameters.filters.value(MovementFrom).toString(),
        parameters.filters.value(MovementTo).toString(), Sql::date(days.first()), Sql::date(days.last())};
    if (!withALaCarte)
        part << NormComparison::ALaCarte;
    const QString aLaCarte = withALaCarte ? QString() : QStringLiteral(" AND %1\"Mozgnem\" <> ?");
    const QString sql
        = QStringLiteral("SELECT d, SUM(n), SUM(u) FROM ("
                         "SELECT l.\"Datum\" AS d, %1 AS n, 0 AS u FROM \"Letszam\" l JOIN \"Etkezesek\" e "
                         "ON e.\"EtkTip\" = l.\"Etkezesek\" WHERE l.\"Kiadva\" = TRUE AND l.\"Mozgnem\" >= ? AND "
                         "l.\"Mozgnem\" <= ? AND l.\"Datum\" >= ? AND l.\"Datum\" <= ?%2 "
                         "UNION ALL SELECT r.\"Datum\", 0, %3 FROM \"Raktar\" r WHERE r.\"Mozgnem\" >= ? AND "
                         "r.\"Mozgnem\" <= ? AND r.\"Datum\" >= ? AND r.\"Datum\" <= ? AND r.\"Stat\" = TRUE%4"
                         ") x GROUP BY d")
              .arg(ReportSums::units(QStringLiteral("l.\"Letszam\" * e.\"Norma\"")),
                  withALaCarte ? QString() : aLaCarte.arg(QStringLiteral("l.")),
                  ReportSums::units(QStringLiteral("r.\"TetelErtek\"")),
                  withALaCarte ? QString() : aLaCarte.arg(QStringLiteral("r.")));
    const auto read = readRows<DaySums>(m_db, sql, part + part, [](const QSqlQuery &query) {
        return DaySums {Sql::toDate(query.value(0)), ReportSums::amount(query.value(1)),
            ReportSums::amount(query.value(2))};
    });
    if (!read.ok())
        return read.refusal;
    QHash<QDate, DaySums> byDay;
    for (const DaySums &sums : read.value)
        byDay.insert(sums.day, sums);

    Line total {QDate(), TotalText, {}, {}};
    for (const QDate &day : days) {
        const DaySums sums = byDay.value(day);
        const Line line {day, QStringLiteral("%1 %2").arg(day.day(), 2, 10, QLatin1Char('0')).arg(ReportDays::weekdayName(day)),
            sums.usage, sums.norm};
        total.anyagfelh += line.anyagfelh;
        total.normakeret += line.normakeret;
        m_lines << line;
    }
    m_lines << total;
    for (const Line &line : m_lines) {
        TextRows::append(m_model,
            {line.napok, StockFormat::money(line.anyagfelh), StockFormat::money(line.normakeret),
                StockFormat::money(line.beallas()), NumberFormat::fixed(line.beSzazalek(), 2)},
            {1, 2, 3, 4});
    }
    return Refusal();
}

QString MonthlyUsageReport::totals() const
{
    return QString();
}
