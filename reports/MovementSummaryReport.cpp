#include "reports/MovementSummaryReport.h"

#include "core/Dates.h"
#include "reports/ReportSums.h"
#include "stock/StockFormat.h"
#include "store/RowReader.h"
#include "store/Sql.h"

namespace {

const QStringList Captions {QStringLiteral("Dátum"), QStringLiteral("Bizonylatszám"), QStringLiteral("Biz. tip."),
    QStringLiteral("Partner kód"), QStringLiteral("Irány"), QStringLiteral("Nettó érték"), QStringLiteral("ÁFA érték"),
    QStringLiteral("Bruttó érték")};

const QString OpeningNumber = QStringLiteral("00000000");

// The grid's text of a line's column.
QString text(const MovementSummaryReport::Line &line, int column)
{
    switch (column) {
    case 0: return Dates::shortText(line.datum);
    case 1: return line.bizSzam;
    case 2: return line.mozgnem;
    case 3: return line.partAzon;
    case 4: return line.bk;
    case 5: return StockFormat::money(line.netto);
    case 6: return StockFormat::money(line.afa);
    case 7: return StockFormat::money(line.brutto);
    default: return QString();
    }
}

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
    , m_model(Captions, {5, 6, 7})
{
}

Refusal MovementSummaryReport::run(const ReportParameters &parameters)
{
    m_model.reset(0, nullptr);
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
    for (const Line &line : m_lines)
        add(line.bk == QLatin1String("BE") ? m_totals.receipts : m_totals.issues, line);
    // A year holds tens of thousands of vouchers: their texts are made as the grid shows them.
    m_model.reset(int(m_lines.size()), [this](int row, int column) { return text(m_lines.at(row), column); });
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
