#include "reports/InventoryListReport.h"

#include "core/NumberFormat.h"
#include "reports/TextRows.h"
#include "stock/StockFormat.h"
#include "store/WriteFailure.h"

namespace {

const QStringList Captions {QStringLiteral("Fk. sz."), QStringLiteral("Azon."), QStringLiteral("Anyagnév"),
    QStringLiteral("Készlet"), QStringLiteral("Me."), QStringLiteral("Nyilv. ár"), QStringLiteral("Készlet érték"),
    QStringLiteral("ÁFA"), QStringLiteral("Bruttó"), QStringLiteral("Szorzó")};

// Money in the grid: two decimals, thousands grouped.
const QString GroupedMoney = QStringLiteral("### ### ##0.00");

} // namespace

InventoryListReport::InventoryListReport(QSqlDatabase warehouse)
    : m_list(warehouse)
{
    TextRows::reset(m_model, Captions);
}

InventoryList::Parameters InventoryListReport::listParameters(const ReportParameters &parameters)
{
    InventoryList::Parameters values;
    values.date = parameters.date;
    values.workYear = parameters.filters.value(WorkYear).toInt();
    values.showZero = parameters.filters.value(ShowZero).toBool();
    values.ledgerAccount = parameters.filters.value(LedgerAccount).toString();
    values.byName = parameters.filters.value(ByName).toBool();
    return values;
}

Refusal InventoryListReport::run(const ReportParameters &parameters)
{
    m_showAfa = parameters.filters.value(ShowAfa).toBool();
    QString error;
    if (!m_list.run(listParameters(parameters), &error)) {
        TextRows::reset(m_model, Captions);
        return WriteFailure::failed(error);
    }
    m_ran = true;
    fill();
    return Refusal();
}

void InventoryListReport::applyView(const ReportParameters &parameters)
{
    if (!m_ran)
        return;
    m_showAfa = parameters.filters.value(ShowAfa).toBool();
    m_list.applyView(listParameters(parameters));
    fill();
}

void InventoryListReport::fill()
{
    TextRows::reset(m_model, Captions);
    for (const StockLine &line : m_list.rows()) {
        TextRows::append(m_model,
            {line.fokSzam, line.nyilvSzam, line.megnevezes, StockFormat::quantity(line.keszletMenny, line.kerekites),
                line.mertekegyseg, NumberFormat::format(line.nyilvAr, GroupedMoney),
                NumberFormat::format(line.keszletErtek, GroupedMoney),
                NumberFormat::format(line.keszletAfa, GroupedMoney),
                NumberFormat::format(line.keszletBrutto, GroupedMoney), NumberFormat::plain(line.szorzo)},
            {3, 5, 6, 7, 8, 9});
    }
}

QString InventoryListReport::totals() const
{
    return m_ran ? m_list.statusText(m_showAfa) : QStringLiteral("Összesítés:");
}
