#include "reports/UsageByMovementReport.h"

#include "reports/ReportSums.h"
#include "reports/TextRows.h"
#include "reports/UsageFilter.h"
#include "stock/StockFormat.h"
#include "store/RowReader.h"

namespace {

const QStringList Captions {QStringLiteral("Mozg. kód"), QStringLiteral("Mozgásnem"), QStringLiteral("Érték BE"),
    QStringLiteral("Érték KI"), QStringLiteral("Egyenleg")};

} // namespace

UsageByMovementReport::UsageByMovementReport(QSqlDatabase warehouse)
    : m_db(warehouse)
{
    TextRows::reset(m_model, Captions);
}

Refusal UsageByMovementReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, Captions);
    m_lines.clear();
    m_received = Money();
    m_issued = Money();
    QVariantList values;
    // Outer joins: a row whose movement type or material is gone still counts.
    const QString sql = QStringLiteral("SELECT r.\"Mozgnem\", m.\"Megnevezes\", r.\"BK\", %1 FROM \"Raktar\" r "
                                       "LEFT JOIN \"Mozgnem\" m ON m.\"MozgnemKod\" = r.\"Mozgnem\" "
                                       "LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" "
                                       "AND a.\"NyilvSzam\" = r.\"NyilvSzam\"")
                            .arg(ReportSums::sql(QStringLiteral("r.\"TetelErtek\"")))
        + UsageFilter::where(parameters, values)
        + QStringLiteral(" GROUP BY r.\"Mozgnem\", m.\"Megnevezes\", r.\"BK\" ORDER BY r.\"Mozgnem\", r.\"BK\"");
    const auto read = readRows<Line>(m_db, sql, values, [](const QSqlQuery &query) {
        Line line {query.value(0).toString(), query.value(1).toString(), {}, {}};
        const Money value = ReportSums::amount(query.value(3));
        (query.value(2).toString() == QLatin1String("BE") ? line.beErt : line.kiErt) = value;
        return line;
    });
    if (!read.ok())
        return read.refusal;
    m_lines = read.value;
    for (const Line &line : m_lines) {
        m_received += line.beErt;
        m_issued += line.kiErt;
        TextRows::append(m_model,
            {line.mozgnemKod, line.mozgasnem, StockFormat::money(line.beErt), StockFormat::money(line.kiErt),
                StockFormat::money(line.ertek())},
            {2, 3, 4});
    }
    return Refusal();
}

QString UsageByMovementReport::totals() const
{
    return UsageFilter::totalsText(m_received, m_issued);
}
