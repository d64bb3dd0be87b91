#include "reports/InventoryList.h"

#include "core/HungarianOrder.h"
#include "stock/StockAtDate.h"
#include "stock/StockFormat.h"

#include <algorithm>

bool InventoryList::run(const Parameters &parameters, QString *error)
{
    StockAtDate stock(m_db);
    QString failure;
    // The period starts in the date's year when that lies before the work year, else in the work
    // year: a later year's opening rows already carry the years before it.
    m_all = stock.compute(parameters.date, parameters.workYear, &failure);
    if (failure.isEmpty())
        stock.writeLeltar(m_all, &failure);
    if (!failure.isEmpty()) {
        m_all.clear();
        if (error)
            *error = failure;
    }
    applyView(parameters);
    return failure.isEmpty();
}

void InventoryList::applyView(const Parameters &parameters)
{
    m_rows.clear();
    m_totals = Totals();
    for (const StockLine &line : m_all) {
        if (!parameters.showZero && line.keszletMenny == 0)
            continue;
        if (!parameters.ledgerAccount.isEmpty() && line.fokSzam != parameters.ledgerAccount)
            continue;
        m_rows << line;
        m_totals.value += line.keszletErtek;
        m_totals.vat += line.keszletAfa;
        m_totals.gross += line.keszletBrutto;
    }
    if (parameters.byName) {
        std::stable_sort(m_rows.begin(), m_rows.end(),
            [](const StockLine &a, const StockLine &b) { return HungarianOrder::less(a.megnevezes, b.megnevezes); });
    }
}

QString InventoryList::statusText(bool showAfa) const
{
    QString text = QStringLiteral("Napi készletérték: ") + StockFormat::money(m_totals.value);
    if (showAfa)
        text += QStringLiteral(" ÁFA:") + StockFormat::money(m_totals.vat) + QStringLiteral(" Brutto:")
            + StockFormat::money(m_totals.gross);
    return text;
}
