#include "reports/InventoryDifferenceReport.h"

#include "core/NumberFormat.h"
#include "reports/TextRows.h"
#include "stock/StockFormat.h"
#include "store/WriteFailure.h"

// Money in the grid: two decimals, thousands grouped.
static const QString GroupedMoney = QStringLiteral("### ### ##0.00");

InventoryDifferenceReport::InventoryDifferenceReport(
    QSqlDatabase warehouse, const InventoryDifference::Owner &owner, bool comparison)
    : m_sheet(warehouse, owner)
    , m_comparison(comparison)
{
}

Refusal InventoryDifferenceReport::run(const ReportParameters &parameters)
{
    QString error;
    const bool started
        = m_sheet.start(parameters.date, parameters.filters.value(WorkYear).toInt(), m_comparison, &error);
    const Refusal shown = show(parameters);
    return started ? shown : WriteFailure::failed(error);
}

Refusal InventoryDifferenceReport::clear()
{
    QString error;
    return m_sheet.clear(&error) ? Refusal() : WriteFailure::failed(error);
}

bool InventoryDifferenceReport::wouldDiscardTypedCounts() const
{
    return !m_comparison && m_sheet.hasTypedCounts();
}

QString InventoryDifferenceReport::discardQuestion()
{
    return QStringLiteral("Az új leltár különbözet törli a begépelt valós készleteket!\rFolytatja?");
}

Refusal InventoryDifferenceReport::show(const ReportParameters &parameters)
{
    const Checked<QList<InventoryDifference::Row>> read = m_sheet.rows(
        parameters.filters.value(ByName).toBool(), parameters.filters.value(OnlyDifferences).toBool());
    m_rows = read.value;
    TextRows::reset(m_model,
        {QStringLiteral("Fők. sz."), QStringLiteral("Nyilv. szám"), QStringLiteral("Megnevezés"),
            QStringLiteral("Nyilv. ár"), QStringLiteral("Program érték"),
            m_comparison ? QStringLiteral("Egyenleg") : QStringLiteral("Program készlet"),
            m_comparison ? QStringLiteral("Készlet") : QStringLiteral("Valós készlet"), QStringLiteral("Eltérés"),
            QStringLiteral("Mért. egys."), QStringLiteral("Eltérés érték")});
    for (const InventoryDifference::Row &row : m_rows) {
        const QList<QStandardItem *> cells = TextRows::cells(
            {row.fokSzam, row.nyilvSzam, row.megnevezes, NumberFormat::format(row.nyilvAr, GroupedMoney),
                NumberFormat::format(row.keszletErtek, GroupedMoney), NumberFormat::format(row.keszletMenny, QStringLiteral("0.000")),
                NumberFormat::plain(row.valosKeszlet), NumberFormat::format(row.elteres, QStringLiteral("0.000")),
                row.mertekegyseg, NumberFormat::format(row.elteresAr, GroupedMoney)},
            {3, 4, 5, 6, 7, 9});
        cells[RealStockColumn]->setEditable(!m_comparison);
        if (m_comparison)
            cells[RealStockColumn]->setForeground(Qt::blue);
        for (int column = 0; row.elteres != 0 && column < cells.size(); ++column) {
            if (column != RealStockColumn) {
                cells[column]->setBackground(Qt::red);
                cells[column]->setForeground(Qt::white);
            }
        }
        m_model.appendRow(cells);
    }
    return read.refusal;
}

Refusal InventoryDifferenceReport::setRealStock(int row, const QString &typed, const ReportParameters &parameters)
{
    if (m_comparison || row < 0 || row >= m_rows.size())
        return Refusal();
    Refusal refused;
    const std::optional<double> quantity = StockFormat::typedQuantity(typed, 3);
    if (!quantity) {
        refused = Refusal::error(QStringLiteral("Hibás számot adott meg!"));
    } else {
        const InventoryDifference::Row &shown = m_rows.at(row);
        QString error;
        if (!m_sheet.setRealStock(shown.fokSzam, shown.nyilvSzam, *quantity, &error) && !error.isEmpty())
            refused = WriteFailure::failed(error);
    }
    const Refusal shown = show(parameters);
    return refused ? refused : shown;
}

QString InventoryDifferenceReport::totals() const
{
    return InventoryDifference::statusText(m_sheet.totals());
}
