#include "reports/VoucherListReport.h"

#include "stock/StockFormat.h"
#include "store/WriteFailure.h"

VoucherListReport::VoucherListReport(QSqlDatabase warehouse, const QString &direction)
    : m_db(warehouse)
    , m_direction(direction)
{
}

Refusal VoucherListReport::run(const ReportParameters &parameters)
{
    m_model.reset(nullptr);
    VoucherPrintRows::Filter filter;
    filter.direction = m_direction;
    filter.from = parameters.from;
    filter.to = parameters.to;
    filter.numberPart = parameters.filters.value(NumberPart).toString();
    filter.fokSzla = parameters.filters.value(LedgerAccount).toString();
    // Only the receipt list chooses a supplier.
    if (m_direction == QLatin1String("BE"))
        filter.partAzon = parameters.filters.value(Partner).toString();
    filter.mozgnemFrom = parameters.filters.value(MovementFrom).toString();
    filter.mozgnemTo = parameters.filters.value(MovementTo).toString();
    filter.order = parameters.filters.value(NumberFirst).toBool() ? VoucherPrintRows::Order::VoucherDate
                                                                  : VoucherPrintRows::Order::DateVoucher;
    m_rows = VoucherPrintRows::ofList(m_db, filter);
    if (!m_rows.error().isEmpty())
        return WriteFailure::readFailed(m_rows.error());
    m_model.reset(&m_rows);
    return Refusal();
}

int VoucherListReport::voucherOfRow(int gridRow) const
{
    return m_model.voucherOf(gridRow);
}

QString VoucherListReport::totalsText(const VoucherPrintRows::Totals &totals)
{
    return QStringLiteral("Összesítés: Nettó: ") + StockFormat::money(totals.netto) + QStringLiteral("  Áfa: ")
        + StockFormat::money(totals.afa) + QStringLiteral("  Bruttó: ") + StockFormat::money(totals.brutto);
}

QString VoucherListReport::totals() const
{
    return totalsText(m_rows.totals());
}
