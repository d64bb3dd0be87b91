#include "reports/NormComparison.h"

#include "core/NumberFormat.h"
#include "reports/ReportSums.h"
#include "stock/StockFormat.h"
#include "store/RowReader.h"
#include "store/Sql.h"

double NormComparison::percent() const
{
    return ReportSums::percent(usage, normBudget);
}

QStringList NormComparison::texts() const
{
    return {StockFormat::money(normBudget), StockFormat::money(usage), StockFormat::money(deviation()),
        NumberFormat::format(percent(), QStringLiteral("###,###,##0.00 %")).trimmed()};
}

QStringList NormComparison::initialTexts()
{
    return {StockFormat::money(Money()), StockFormat::money(Money()), StockFormat::money(Money()),
        QStringLiteral("0 %")};
}

Checked<NormComparison> NormComparison::forMeals(
    QSqlDatabase warehouse, const QDate &from, const QDate &to, const QStringList &meals)
{
    QVariantList values {Sql::date(from), Sql::date(to)};
    for (const QString &meal : meals)
        values << meal;
    // Every line of a meal's day repeats the meal's budget: one group per day and meal takes it once.
    const QString sql = QStringLiteral("SELECT \"Norma_etk\", %1 FROM \"Kiszabat\" WHERE \"Datum\" >= ? AND "
                                       "\"Datum\" <= ? AND %2 GROUP BY \"Datum\", \"EtkKod\", \"Norma_etk\"")
                            .arg(ReportSums::sql(QStringLiteral("\"Anyagar\"")),
                                ReportSums::inList(QStringLiteral("\"EtkKod\""), meals.size()));
    const auto read = readRows<NormComparison>(warehouse, sql, values, [](const QSqlQuery &query) {
        return NormComparison {Sql::toMoney(query.value(0)), ReportSums::amount(query.value(1))};
    });
    if (!read.ok())
        return Checked<NormComparison>::refused(read.refusal);
    NormComparison sum;
    for (const NormComparison &group : read.value) {
        sum.normBudget += group.normBudget;
        sum.usage += group.usage;
    }
    return Checked<NormComparison>::accepted(sum);
}

Checked<NormComparison> NormComparison::forMovementTypes(QSqlDatabase warehouse, const QDate &from,
    const QDate &to, const QString &mozgnemFrom, const QString &mozgnemTo, bool withALaCarte)
{
    const QString aLaCarte = withALaCarte ? QString() : QStringLiteral(" AND \"Mozgnem\" <> ?");
    QVariantList range {mozgnemFrom, mozgnemTo, Sql::date(from), Sql::date(to)};
    if (!withALaCarte)
        range << ALaCarte;
    const QString sql = QStringLiteral("SELECT %1, 0 FROM \"Letszam\" l JOIN \"Etkezesek\" e ON e.\"EtkTip\" = "
                                       "l.\"Etkezesek\" WHERE l.\"Kiadva\" = TRUE AND l.\"Mozgnem\" >= ? AND "
                                       "l.\"Mozgnem\" <= ? AND l.\"Datum\" >= ? AND l.\"Datum\" <= ?%2 "
                                       "UNION ALL SELECT 0, %3 FROM \"Raktar\" WHERE \"Mozgnem\" >= ? AND "
                                       "\"Mozgnem\" <= ? AND \"Datum\" >= ? AND \"Datum\" <= ? AND \"Stat\" = TRUE%4")
                            .arg(ReportSums::sql(QStringLiteral("l.\"Letszam\" * e.\"Norma\"")),
                                QString(aLaCarte).replace(QStringLiteral("\"Mozgnem\""), QStringLiteral("l.\"Mozgnem\"")),
                                ReportSums::sql(QStringLiteral("\"TetelErtek\"")), aLaCarte);
    const auto read = readRows<NormComparison>(warehouse, sql, range + range, [](const QSqlQuery &query) {
        return NormComparison {ReportSums::amount(query.value(0)), ReportSums::amount(query.value(1))};
    });
    if (!read.ok())
        return Checked<NormComparison>::refused(read.refusal);
    NormComparison sum;
    for (const NormComparison &part : read.value) {
        sum.normBudget += part.normBudget;
        sum.usage += part.usage;
    }
    return Checked<NormComparison>::accepted(sum);
}
