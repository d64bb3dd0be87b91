#include "reports/MovementSummaryReport.h"

#include "core/Dates.h"
#include "reports/ReportSums.h"
#include "reports/TextRows.h"
#include "stock/StockFormat.h"
#include "store/RowReader.h"
#include "store/Sql.h"

namespace {

const QStringList Captions {QStringLiteral("Dátum"), QStringLiteral("Bizonylatszám"), QStringLiteral("Biz. tip."),
    QStringLiteral("Partner kód"), QStringLiteral("Irány"), QStringLiteral("Nettó érték"), QStringLiteral("ÁFA érték"),
    QStringLiteral("Bruttó érték")};

const QString OpeningNumber = QStringLiteral("00000000");

void add(MovementSummaryReport::Amounts &sum, const MovementSummaryReport::Line &line)
{
    sum.netto += line.netto;
    sum.afa += line.afa;
    sum.brutto += line.brutto;
}

} // namespace

MovementSummaryReport::Amounts MovementSummaryReport::Totals::balance() const
{
    return {receipts.netto - issues.netto, receipts.afa - issues.afa, receipts.brutto - issues.brutto};
}

MovementSummaryReport::MovementSummaryReport(QSqlDatabase warehouse)
    : m_db(warehouse)
{
    TextRows::reset(m_model, Captions);
}

Refusal MovementSummaryReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, Captions);
    m_lines.clear();
    m_totals = Totals();
    QString sql = QStringLiteral("SELECT \"Datum\", \"BizSzam\", \"Mozgnem\", \"PartAzon\", \"BK\", %1, %2, %3 "
                                 "FROM \"Raktar\" WHERE \"Datum\" >= ? AND \"Datum\" <= ?")
                      .arg(ReportSums::sql(QStringLiteral("\"TetelErtek\"")),
                          ReportSums::sql(QStringLiteral("\"AfaErtek\"")), ReportSums::sql(QStringLiteral("\"Brutto\"")));
    QVariantList values {Sql::date(parameters.from), Sql::date(parameters.to)};
    if (!parameters.filters.value(IncludeOpening).toBool()) {
        sql += QStringLiteral(" AND \"BizSzam\" <> ?");
        values << OpeningNumber;
    }
    sql += QStringLiteral(" GROUP BY \"BizSzam\", \"Datum\", \"Mozgnem\", \"PartAzon\", \"BK\" "
                          "ORDER BY \"Datum\", \"BizSzam\", \"BK\", \"Mozgnem\", \"PartAzon\"");
    const auto read = readRows<Line>(m_db, sql, values, [](const QSqlQuery &query) {
        return Line {Sql::toDate(query.value(0)), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), ReportSums::amount(query.value(5)),
            ReportSums::amount(query.value(6)), ReportSums::amount(query.value(7))};
    });
    if (!read.ok())
        return read.refusal;
    m_lines = read.value;
    for (const Line &line : m_lines) {
        add(line.bk == QLatin1String("BE") ? m_totals.receipts : m_totals.issues, line);
        TextRows::append(m_model,
            {Dates::shortText(line.datum), line.bizSzam, line.mozgnem, line.partAzon, line.bk,
                StockFormat::money(line.netto), StockFormat::money(line.afa), StockFormat::money(line.brutto)},
            {5, 6, 7});
    }
    return Refusal();
}

QList<QPair<QString, QString>> MovementSummaryReport::statusAmounts() const
{
    const Amounts balance = m_totals.balance();
    return {{QStringLiteral("Nettó (BE):"), StockFormat::money(m_totals.receipts.netto)},
        {QStringLiteral("Nettó (KI):"), StockFormat::money(m_totals.issues.netto)},
        {QStringLiteral("Nettó össz:"), StockFormat::money(balance.netto)},
        {QStringLiteral("Áfa (BE): "), StockFormat::money(m_totals.receipts.afa)},
        {QStringLiteral("Áfa (KI):"), StockFormat::money(m_totals.issues.afa)},
        {QStringLiteral("Áfa össz:"), StockFormat::money(balance.afa)},
        {QStringLiteral("Bruttó (BE): "), StockFormat::money(m_totals.receipts.brutto)},
        {QStringLiteral("Bruttó (KI):"), StockFormat::money(m_totals.issues.brutto)},
        {QStringLiteral("Bruttó össz:"), StockFormat::money(balance.brutto)}};
}

QString MovementSummaryReport::totals() const
{
    QStringList parts;
    for (const auto &[caption, amount] : statusAmounts())
        parts << caption.trimmed() + QLatin1Char(' ') + amount;
    return parts.join(QStringLiteral("  "));
}
