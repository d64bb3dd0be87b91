#include "reports/MaterialCard.h"

#include "core/NumberFormat.h"
#include "stock/StockFormat.h"
#include "stock/StockSql.h"
#include "store/Sql.h"

#include <QSqlQuery>

bool MaterialCard::run(
    const QString &fokSzla, const QString &nyilvSzam, const QDate &from, const QDate &to, QString *error)
{
    m_rows.clear();
    m_totals = Totals();
    m_material = Material();
    try {
        QSqlQuery query(m_db);
        StockSql::run(query,
            QStringLiteral("SELECT \"Megnevezes\", \"Mertekegyseg\", \"Kerekites\", \"KeszletMennyiseg\", "
                           "\"KeszletErtek\", \"NyilvAr\", "
                           "\"KeszletMin\", \"KeszletMax\", \"MenySzorzo\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? "
                           "AND \"NyilvSzam\" = ?"),
            {fokSzla, nyilvSzam});
        if (query.next()) {
            m_material.megnevezes = query.value(0).toString();
            m_material.mertekegyseg = query.value(1).toString();
            m_material.kerekites = query.value(2).toInt();
            m_material.keszletMennyiseg = query.value(3).toDouble();
            m_material.keszletErtek = Sql::toMoney(query.value(4));
            m_material.nyilvAr = Sql::toMoney(query.value(5));
            m_material.keszletMin = query.value(6).toDouble();
            m_material.keszletMax = query.value(7).toDouble();
            m_material.menySzorzo = query.value(8).toDouble();
        }
        StockSql::run(query,
            QStringLiteral(
                "SELECT r.\"Datum\", r.\"BizSzam\", r.\"BK\", r.\"FokSzla\", m.\"Megnevezes\", r.\"KiAr\", r.\"BeAr\", "
                "r.\"TetelMenny\", "
                "r.\"TetelErtek\", r.\"KeszletMenny\", r.\"KeszletErtek\", r.\"Lejarat\", p.\"Nev\", p.\"Irszam\", "
                "p.\"Telepules\", "
                "p.\"Utca\", r.\"User\" FROM \"Raktar\" r "
                "JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" AND a.\"NyilvSzam\" = r.\"NyilvSzam\" "
                "JOIN \"Mertegys\" u ON u.\"MertKod\" = a.\"Mertekegyseg\" "
                "JOIN \"Mozgnem\" m ON m.\"MozgnemKod\" = r.\"Mozgnem\" "
                "JOIN \"Partner\" p ON p.\"PartAzon\" = r.\"PartAzon\" "
                "WHERE r.\"FokSzla\" = ? AND r.\"NyilvSzam\" = ? AND r.\"Datum\" >= ? AND r.\"Datum\" <= ? "
                "ORDER BY r.\"Datum\", r.\"BK\", r.\"Mozgnem\", r.\"RaktAzon\""),
            {fokSzla, nyilvSzam, Sql::date(from), Sql::date(to)});
        Money receiptPrices;
        int receipts = 0;
        while (query.next()) {
            Row row;
            row.datum = Sql::toDate(query.value(0));
            row.bizSzam = query.value(1).toString();
            row.bk = query.value(2).toString();
            row.fokSzla = query.value(3).toString();
            row.mozgnemNev = query.value(4).toString();
            row.kiAr = Sql::toMoney(query.value(5));
            row.beAr = Sql::toMoney(query.value(6));
            row.tetelMenny = query.value(7).toDouble();
            row.tetelErtek = Sql::toMoney(query.value(8));
            row.keszletMenny = query.value(9).toDouble();
            row.keszletErtek = Sql::toMoney(query.value(10));
            row.lejarat = Sql::toDate(query.value(11));
            row.partnerNev = query.value(12).toString();
            row.irszam = query.value(13).toString();
            row.telepules = query.value(14).toString();
            row.utca = query.value(15).toString();
            row.user = query.value(16).toString();
            if (row.bk == QLatin1String("BE")) {
                m_totals.receiptValue += row.tetelErtek;
                m_totals.receiptQuantity += row.tetelMenny;
                receiptPrices += row.beAr;
                ++receipts;
            } else if (row.bk == QLatin1String("KI")) {
                m_totals.issueValue += row.tetelErtek;
                m_totals.issueQuantity += row.tetelMenny;
            }
            m_rows << row;
        }
        if (receipts > 0)
            m_totals.averagePrice = receiptPrices.dividedBy(receipts).value_or(Money());
    } catch (const StockSql::Failure &failure) {
        if (error)
            *error = failure.detail;
        return false;
    }
    return true;
}

QStringList MaterialCard::statusLines() const
{
    const QString unit = QStringLiteral(" ") + m_material.mertekegyseg;
    auto quantity = [&unit](double value) {
        return NumberFormat::format(value, QStringLiteral("###,###,##0.00 ")).trimmed() + unit;
    };
    return {QStringLiteral("BE: ") + StockFormat::money(m_totals.receiptValue) + QStringLiteral("   KI: ")
            + StockFormat::money(m_totals.issueValue) + QStringLiteral("   Egyenleg: ")
            + StockFormat::money(m_totals.balanceValue()) + QStringLiteral("   Nyilv. átl. ár: ")
            + StockFormat::money(m_material.nyilvAr),
        QStringLiteral("BE: ") + quantity(m_totals.receiptQuantity) + QStringLiteral("   KI: ")
            + quantity(m_totals.issueQuantity) + QStringLiteral("   Egyenleg: ") + quantity(m_totals.balanceQuantity())
            + QStringLiteral("   Átlagár: ") + StockFormat::money(m_totals.averagePrice)};
}
