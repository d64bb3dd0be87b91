#include "reports/HeadcountSummaryReport.h"

#include "core/Dates.h"
#include "reports/ReportSums.h"
#include "reports/TextRows.h"
#include "stock/StockFormat.h"
#include "store/RowReader.h"
#include "store/Sql.h"

namespace {

const QStringList Captions {QStringLiteral("Dátum"), QStringLiteral("Étk. kód"), QStringLiteral("Étkezés megnevezés"),
    QStringLiteral("Létszám"), QStringLiteral("Norma"), QStringLiteral("Normakeret")};

} // namespace

Money HeadcountSummaryReport::Line::normakeret() const
{
    return norma.multiplied(double(letszam));
}

HeadcountSummaryReport::HeadcountSummaryReport(QSqlDatabase warehouse)
    : m_db(warehouse)
{
    TextRows::reset(m_model, Captions);
}

Refusal HeadcountSummaryReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, Captions);
    m_lines.clear();
    m_normBudget = Money();
    const QStringList meals = parameters.filters.value(Meals).toStringList();
    const bool merge = parameters.filters.value(Merge).toBool();
    QVariantList values {Sql::date(parameters.from), Sql::date(parameters.to)};
    for (const QString &meal : meals)
        values << meal;
    // An outer join keeps a headcount whose meal is gone (no name, no norm).
    const QString from = QStringLiteral(" FROM \"Letszam\" l LEFT JOIN \"Etkezesek\" e ON e.\"EtkTip\" = l.\"Etkezesek\" "
                                        "WHERE l.\"Kiadva\" = TRUE AND l.\"Datum\" >= ? AND l.\"Datum\" <= ? AND ")
        + ReportSums::inList(QStringLiteral("l.\"Etkezesek\""), meals.size());
    const QString sql = merge
        ? QStringLiteral("SELECT NULL, l.\"Etkezesek\", e.\"Megnevezes\", SUM(l.\"Letszam\"), e.\"Norma\"") + from
            + QStringLiteral(" GROUP BY l.\"Etkezesek\", e.\"Megnevezes\", e.\"Norma\" ORDER BY l.\"Etkezesek\"")
        : QStringLiteral("SELECT l.\"Datum\", l.\"Etkezesek\", e.\"Megnevezes\", l.\"Letszam\", e.\"Norma\"") + from
            + QStringLiteral(" ORDER BY l.\"Datum\", l.\"Etkezesek\"");
    const auto read = readRows<Line>(m_db, sql, values, [](const QSqlQuery &query) {
        return Line {Sql::toDate(query.value(0)), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toLongLong(), Sql::toMoney(query.value(4))};
    });
    if (!read.ok())
        return read.refusal;
    m_lines = read.value;
    for (const Line &line : m_lines) {
        m_normBudget += line.normakeret();
        TextRows::append(m_model,
            {Dates::shortText(line.datum), line.etkKod, line.etkNev, QString::number(line.letszam),
                StockFormat::money(line.norma), StockFormat::money(line.normakeret())},
            {3, 4, 5});
    }
    return Refusal();
}

QString HeadcountSummaryReport::totals() const
{
    return QStringLiteral("Normakeret összesítés: ") + StockFormat::money(m_normBudget);
}
