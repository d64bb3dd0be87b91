#include "reports/MealMaterialsReport.h"

#include "core/NumberFormat.h"
#include "reports/ReportSums.h"
#include "reports/TextRows.h"
#include "stock/StockFormat.h"
#include "store/RowReader.h"
#include "store/Sql.h"

namespace {

QStringList captions(bool detailed)
{
    QStringList list {QStringLiteral("Fők. sz."), QStringLiteral("Nyilv. szám"), QStringLiteral("Anyagnév"),
        QStringLiteral("Mennyiség"), QStringLiteral("Me."), QStringLiteral("Ár")};
    if (detailed)
        list.prepend(QStringLiteral("Étkezés"));
    return list;
}

} // namespace

MealMaterialsReport::MealMaterialsReport(QSqlDatabase warehouse, bool detailed)
    : m_db(warehouse)
    , m_detailed(detailed)
{
    TextRows::reset(m_model, captions(detailed));
}

Refusal MealMaterialsReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, captions(m_detailed));
    m_lines.clear();
    m_comparison = NormComparison();
    const QStringList meals = parameters.filters.value(Meals).toStringList();
    const auto comparison = NormComparison::forMeals(m_db, parameters.from, parameters.to, meals);
    if (!comparison.ok())
        return comparison.refusal;
    m_comparison = comparison.value;

    QVariantList values {Sql::date(parameters.from), Sql::date(parameters.to)};
    for (const QString &meal : meals)
        values << meal;
    const QString meal = m_detailed ? QStringLiteral("k.\"EtkKod\", k.\"EtkTip\", ") : QStringLiteral("'', '', ");
    const QString mealGroup = m_detailed ? QStringLiteral("k.\"EtkKod\", k.\"EtkTip\", ") : QString();
    // An outer join keeps a line whose material is gone.
    const QString sql = QStringLiteral("SELECT ") + meal
        + QStringLiteral("k.\"FokSzam\", k.\"NyilvSzam\", a.\"Megnevezes\", a.\"Mertekegyseg\", SUM(k.\"Mennyiseg\"), ")
        + ReportSums::sql(QStringLiteral("k.\"Anyagar\""))
        + QStringLiteral(" FROM \"Kiszabat\" k LEFT JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = k.\"FokSzam\" "
                         "AND a.\"NyilvSzam\" = k.\"NyilvSzam\" WHERE k.\"Datum\" >= ? AND k.\"Datum\" <= ? AND ")
        + ReportSums::inList(QStringLiteral("k.\"EtkKod\""), meals.size()) + QStringLiteral(" GROUP BY ") + mealGroup
        + QStringLiteral("k.\"FokSzam\", k.\"NyilvSzam\", a.\"Megnevezes\", a.\"Mertekegyseg\" ORDER BY ") + mealGroup
        + QStringLiteral("k.\"FokSzam\", k.\"NyilvSzam\"");
    const auto read = readRows<Line>(m_db, sql, values, [](const QSqlQuery &query) {
        return Line {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
            query.value(6).toDouble(), ReportSums::amount(query.value(7))};
    });
    if (!read.ok())
        return read.refusal;
    for (const Line &line : read.value) {
        if (line.netto <= Money())
            continue;
        m_lines << line;
        QStringList texts {line.fokSzam, line.nyilvSzam, line.megnevezes,
            NumberFormat::format(line.mennyiseg, QStringLiteral("### ### ##0.000")).trimmed(), line.mertekegyseg,
            StockFormat::money(line.netto)};
        if (m_detailed)
            texts.prepend(line.etkTip);
        TextRows::append(m_model, texts, m_detailed ? QList<int> {4, 6} : QList<int> {3, 5});
    }
    return Refusal();
}

QString MealMaterialsReport::totals() const
{
    const QStringList texts = m_comparison.texts();
    return QStringLiteral("Normakeret: %1  Anyag használat: %2  Eltérés: %3  Beállás: %4")
        .arg(texts.at(0), texts.at(1), texts.at(2), texts.at(3));
}

Checked<QList<MealMaterialsReport::MealHeadcount>> MealMaterialsReport::headcounts(
    QSqlDatabase warehouse, const QDate &from, const QDate &to, const QStringList &meals)
{
    QVariantList values {Sql::date(from), Sql::date(to)};
    for (const QString &meal : meals)
        values << meal;
    return readRows<MealHeadcount>(warehouse,
        QStringLiteral("SELECT l.\"Etkezesek\", e.\"Megnevezes\", SUM(l.\"Letszam\") FROM \"Letszam\" l "
                       "LEFT JOIN \"Etkezesek\" e ON e.\"EtkTip\" = l.\"Etkezesek\" WHERE l.\"Kiadva\" = TRUE AND "
                       "l.\"Datum\" >= ? AND l.\"Datum\" <= ? AND ")
            + ReportSums::inList(QStringLiteral("l.\"Etkezesek\""), meals.size())
            + QStringLiteral(" GROUP BY l.\"Etkezesek\", e.\"Megnevezes\" ORDER BY l.\"Etkezesek\""),
        values, [](const QSqlQuery &query) {
            return MealHeadcount {query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong()};
        });
}

qint64 MealMaterialsReport::totalHeadcount(const QList<MealHeadcount> &headcounts)
{
    qint64 sum = 0;
    for (const MealHeadcount &meal : headcounts)
        sum += meal.headcount;
    return qMax<qint64>(sum, 1);
}
