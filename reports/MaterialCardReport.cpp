#include "reports/MaterialCardReport.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "reports/TextRows.h"
#include "stock/StockFormat.h"
#include "store/WriteFailure.h"

namespace {

const QStringList Captions {QStringLiteral("Dátum"), QStringLiteral("Biz. szám"), QStringLiteral("BE/KI"),
    QStringLiteral("Mozgásnem"), QStringLiteral("Nyilv. ár"), QStringLiteral("Be-ki ár"), QStringLiteral("Tételmenny."),
    QStringLiteral("Tételérték"), QStringLiteral("Készletmenny."), QStringLiteral("Készletérték"),
    QStringLiteral("Lejárat"), QStringLiteral("Beszállító"), QStringLiteral("Irsz."), QStringLiteral("Település"),
    QStringLiteral("Cím"), QStringLiteral("Felhasználó")};

} // namespace

MaterialCardReport::MaterialCardReport(QSqlDatabase warehouse)
    : m_card(warehouse)
{
    TextRows::reset(m_model, Captions);
}

Refusal MaterialCardReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, Captions);
    QString error;
    if (!m_card.run(parameters.filters.value(LedgerAccount).toString(),
            parameters.filters.value(RegisterNumber).toString(), parameters.from, parameters.to, &error))
        return WriteFailure::readFailed(error);
    for (const MaterialCard::Row &row : m_card.rows()) {
        TextRows::append(m_model,
            {Dates::shortText(row.datum), row.bizSzam, row.bk, row.mozgnemNev, StockFormat::price(row.kiAr),
                StockFormat::price(row.beAr), NumberFormat::plain(row.tetelMenny), StockFormat::price(row.tetelErtek),
                NumberFormat::plain(row.keszletMenny), StockFormat::price(row.keszletErtek),
                Dates::shortText(row.lejarat), row.partnerNev, row.irszam, row.telepules, row.utca, row.user},
            {4, 5, 6, 7, 8, 9});
    }
    return Refusal();
}

QString MaterialCardReport::totals() const
{
    return QStringLiteral("Össz:\n") + m_card.statusLines().join(QLatin1Char('\n'));
}
