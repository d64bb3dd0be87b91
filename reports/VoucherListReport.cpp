#include "reports/VoucherListReport.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "reports/TextRows.h"
#include "stock/StockFormat.h"
#include "store/WriteFailure.h"

namespace {

const QStringList Captions {QStringLiteral("Sorszám"), QStringLiteral("Kiállítási dátum"),
    QStringLiteral("Bizonylatszám"), QStringLiteral("Fők. sz."), QStringLiteral("Anyagkód"),
    QStringLiteral("Anyag neve"), QStringLiteral("B/K"), QStringLiteral("MN kód"), QStringLiteral("Mozgásnem"),
    QStringLiteral("Nyilv. ár"), QStringLiteral("Nettó ár"), QStringLiteral("Áfa érték"), QStringLiteral("Áfa %"),
    QStringLiteral("Bruttó ár"), QStringLiteral("Tétel mennyiség"), QStringLiteral("Készlet mennyiség"),
    QStringLiteral("Mértékegység"), QStringLiteral("Lejárat"), QStringLiteral("Parnerkód"), QStringLiteral("Név"),
    QStringLiteral("Irsz."), QStringLiteral("Település"), QStringLiteral("Cím"), QStringLiteral("Felhasználó")};

} // namespace

VoucherListReport::VoucherListReport(QSqlDatabase warehouse, const QString &direction)
    : m_db(warehouse)
    , m_direction(direction)
{
    TextRows::reset(m_model, Captions);
}

Refusal VoucherListReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, Captions);
    m_voucherOfRow.clear();
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
    for (int voucher = 0; voucher < m_rows.vouchers().size(); ++voucher) {
        for (const VoucherPrintRows::Row &row : m_rows.vouchers().at(voucher).rows) {
            TextRows::append(m_model,
                {row.sorszam, Dates::shortText(row.datum), row.bizSzam, row.fokSzla, row.nyilvSzam, row.anyagNev,
                    row.bk, row.mozgnem, row.mozgnemNev, StockFormat::price(row.kiAr),
                    StockFormat::price(row.tetelErtek), StockFormat::price(row.afaErtek),
                    NumberFormat::plain(row.afaSzazalek), StockFormat::price(row.brutto),
                    NumberFormat::plain(row.tetelMenny), NumberFormat::plain(row.keszletMenny), row.mertekegyseg,
                    Dates::shortText(row.lejarat), row.partAzon, row.partnerNev, row.irszam, row.telepules, row.utca,
                    row.user},
                {9, 10, 11, 12, 13, 14, 15});
            m_voucherOfRow << voucher;
        }
    }
    return Refusal();
}

int VoucherListReport::voucherOfRow(int gridRow) const
{
    return gridRow >= 0 && gridRow < m_voucherOfRow.size() ? m_voucherOfRow.at(gridRow) : -1;
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
