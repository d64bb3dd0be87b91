#include "reports/UsageFilter.h"

#include "stock/StockFormat.h"
#include "store/Sql.h"

QString UsageFilter::where(const ReportParameters &parameters, QVariantList &values)
{
    QString sql = QStringLiteral(" WHERE r.\"Datum\" >= ? AND r.\"Datum\" <= ?");
    values << Sql::date(parameters.from) << Sql::date(parameters.to);
    const QList<QPair<QString, QString>> conditions {{QStringLiteral(" AND r.\"FokSzla\" = ?"), LedgerAccount},
        {QStringLiteral(" AND r.\"NyilvSzam\" >= ?"), MaterialFrom}, {QStringLiteral(" AND r.\"NyilvSzam\" <= ?"), MaterialTo},
        {QStringLiteral(" AND r.\"Mozgnem\" >= ?"), MovementFrom}, {QStringLiteral(" AND r.\"Mozgnem\" <= ?"), MovementTo},
        {QStringLiteral(" AND r.\"PartAzon\" >= ?"), PartnerFrom}, {QStringLiteral(" AND r.\"PartAzon\" <= ?"), PartnerTo},
        {QStringLiteral(" AND a.\"Csoport\" = ?"), Group}, {QStringLiteral(" AND r.\"AfaKod\" = ?"), Vat}};
    for (const auto &[condition, name] : conditions) {
        const QString value = parameters.filters.value(name).toString();
        if (!value.isEmpty()) {
            sql += condition;
            values << value;
        }
    }
    return sql;
}

QString UsageFilter::totalsText(const Money &received, const Money &issued)
{
    return QStringLiteral("Összesítés: BE: ") + StockFormat::money(received) + QStringLiteral("  KI: ")
        + StockFormat::money(issued) + QStringLiteral("  Egyenleg: ") + StockFormat::money(received - issued);
}
