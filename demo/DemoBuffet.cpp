#include "demo/DemoBuffet.h"

#include "alacarte/CartIssue.h"
#include "alacarte/CartMenuRows.h"
#include "alacarte/CartSheetBuilder.h"
#include "alacarte/DishGroups.h"
#include "alacarte/DishPrice.h"
#include "alacarte/DishPrices.h"
#include "menu/RationStockAtDate.h"

namespace {

bool failed(const Refusal &refusal, const QString &what, QString *error)
{
    if (refusal.isNull())
        return false;
    *error = what + QStringLiteral(": ") + QString(refusal.text).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return true;
}

const QString Soups = QStringLiteral("01");
const QString Mains = QStringLiteral("02");
const QString VatGroup = QStringLiteral("01");

} // namespace

DemoBuffet::DemoBuffet(QSqlDatabase db, const QString &user)
    : m_db(db)
    , m_user(user)
{
}

bool DemoBuffet::writePrices(const QStringList &soups, const QStringList &mains, const QDate &day, QString *error)
{
    m_soups = soups.mid(0, 2);
    m_mains = mains.mid(0, 3);
    for (const auto &[code, name] : {std::pair {QStringLiteral("1"), QStringLiteral("Levesek")},
             std::pair {QStringLiteral("2"), QStringLiteral("Főételek")}})
        if (failed(DishGroups::add(m_db, code, name).refusal, QStringLiteral("Étel csoport"), error))
            return false;
    const Checked<double> vat = DishPrices::vatPercent(m_db, VatGroup, day);
    if (failed(vat.refusal, QStringLiteral("Beárazás"), error))
        return false;
    for (const QString &recipe : m_soups + m_mains) {
        const DishKey key {QStringLiteral("1000"), recipe};
        const Checked<Money> cost = DishPrices::cost(m_db, key);
        if (failed(cost.refusal, QStringLiteral("Beárazás"), error))
            return false;
        const double margin = m_soups.contains(recipe) ? 40 : 30;
        const DishPrice price = DishPrice::fromMargin(cost.value, margin, vat.value);
        if (failed(DishPrices::add(m_db, DishPriceEntry {key, margin, price.gross, VatGroup}, day),
                QStringLiteral("Beárazás"), error))
            return false;
    }
    return true;
}

bool DemoBuffet::runDay(const QDate &day, bool issued, int workYear, const Receive &receive, QString *error)
{
    if (m_soups.isEmpty() || m_mains.isEmpty())
        return true;
    // One soup and one main a day, for 8 to 20 guests each.
    const int n = day.dayOfYear();
    const QList<CartMenuRow> rows {
        CartMenuRow {day, Soups, QStringLiteral("1000"), m_soups.at(n % m_soups.size()), 1, 8 + n % 7},
        CartMenuRow {day, Mains, QStringLiteral("1000"), m_mains.at(n % m_mains.size()), 1, 12 + n % 9}};
    for (const CartMenuRow &row : rows)
        if (failed(CartMenuRows::add(m_db, row, QDate()).refusal, QStringLiteral("A la Carte étlap"), error))
            return false;
    if (!issued)
        return true;
    RationStockAtDate stock(m_db, workYear);
    auto computed = CartSheetBuilder::compute(m_db, day, {Soups, Mains}, stock);
    if (failed(computed.refusal, QStringLiteral("A la Carte kiszabat"), error))
        return false;
    computed.value.sheet.buildTotals();
    if (!receive(computed.value.sheet.totals(), error))
        return false;
    computed = CartSheetBuilder::compute(m_db, day, {Soups, Mains}, stock);
    if (failed(computed.refusal, QStringLiteral("A la Carte kiszabat"), error))
        return false;
    computed.value.sheet.buildTotals();
    RationIssue issue(m_db, StockOptions {m_user, false});
    RationIssueHeader header;
    header.bizSzam = issue.proposeNumber();
    const StockOutcome outcome = CartIssue(m_db, StockOptions {m_user, false})
                                     .issue(computed.value.sheet, computed.value.covered, header, m_user, day);
    return !failed(outcome.refusal, QStringLiteral("A la Carte kiadás"), error);
}
