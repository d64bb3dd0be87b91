#include "reports/UsageDetailReport.h"

#include "core/NumberFormat.h"
#include "core/Rounding.h"
#include "reports/ReportSums.h"
#include "reports/TextRows.h"
#include "reports/UsageFilter.h"
#include "stock/StockFormat.h"
#include "store/RowReader.h"

namespace {

const QStringList Captions {QStringLiteral("Fk. sz."), QStringLiteral("Azon."), QStringLiteral("Anyagnév"),
    QStringLiteral("Me."), QStringLiteral("Nyilv. ár"), QStringLiteral("Mennyiség BE"), QStringLiteral("Mennyiség KI"),
    QStringLiteral("Menny. egyenleg"), QStringLiteral("Érték BE"), QStringLiteral("Érték KI"),
    QStringLiteral("Érték egyenleg")};

struct Group
{
    UsageDetailReport::Line material;
    bool receipt = false;
    double quantity = 0;
    Money value;
};

} // namespace

Money UsageDetailReport::Line::nyilvAr() const
{
    if (menny <= 0)
        return Money();
    return ertek().dividedBy(menny).value_or(Money());
}

UsageDetailReport::UsageDetailReport(QSqlDatabase warehouse)
    : m_db(warehouse)
{
    TextRows::reset(m_model, Captions);
}

Refusal UsageDetailReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, Captions);
    m_lines.clear();
    m_received = Money();
    m_issued = Money();
    QVariantList values;
    // Receipts come before issues of the same material; an outer join keeps a row whose material
    // is gone, under its own key.
    const QString sql = QStringLiteral("SELECT r.\"FokSzla\", r.\"NyilvSzam\", a.\"Megnevezes\", a.\"Mertekegyseg\", "
                                       "r.\"BK\", SUM(r.\"TetelMenny\"), %1 FROM \"Raktar\" r "
                                       "LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" "
                                       "AND a.\"NyilvSzam\" = r.\"NyilvSzam\"")
                            .arg(ReportSums::sql(QStringLiteral("r.\"TetelErtek\"")))
        + UsageFilter::where(parameters, values)
        + QStringLiteral(" AND r.\"BK\" IN ('BE', 'KI') GROUP BY r.\"FokSzla\", r.\"NyilvSzam\", a.\"Megnevezes\", "
                         "a.\"Mertekegyseg\", r.\"BK\" ORDER BY r.\"FokSzla\", r.\"NyilvSzam\", r.\"BK\"");
    const auto read = readRows<Group>(m_db, sql, values, [](const QSqlQuery &query) {
        Group group;
        group.material.fokSzla = query.value(0).toString();
        group.material.nyilvSzam = query.value(1).toString();
        group.material.anyagNev = query.value(2).toString();
        group.material.mertegys = query.value(3).toString();
        group.receipt = query.value(4).toString() == QLatin1String("BE");
        group.quantity = query.value(5).toDouble();
        group.value = ReportSums::amount(query.value(6));
        return group;
    });
    if (!read.ok())
        return read.refusal;
    for (const Group &group : read.value) {
        const bool sameMaterial = !m_lines.isEmpty() && m_lines.last().fokSzla == group.material.fokSzla
            && m_lines.last().nyilvSzam == group.material.nyilvSzam;
        if (group.receipt || !sameMaterial) {
            m_lines << group.material;
        }
        Line &line = m_lines.last();
        if (group.receipt) {
            line.beMenny = group.quantity;
            line.beErt = group.value;
            line.menny = group.quantity;
            m_received += group.value;
        } else {
            line.kiMenny = group.quantity;
            line.kiErt = group.value;
            line.menny = sameMaterial ? Rounding::round(line.beMenny - line.kiMenny, 3) : -line.kiMenny;
            m_issued += group.value;
        }
    }
    for (const Line &line : m_lines) {
        TextRows::append(m_model,
            {line.fokSzla, line.nyilvSzam, line.anyagNev, line.mertegys, StockFormat::price(line.nyilvAr()),
                NumberFormat::plain(line.beMenny), NumberFormat::plain(line.kiMenny), NumberFormat::plain(line.menny),
                StockFormat::money(line.beErt), StockFormat::money(line.kiErt), StockFormat::money(line.ertek())},
            {4, 5, 6, 7, 8, 9, 10});
    }
    return Refusal();
}

QString UsageDetailReport::totals() const
{
    return UsageFilter::totalsText(m_received, m_issued);
}
