#include "menu/RationSql.h"

#include "store/Sql.h"

namespace RationSql {

QString anyOf(const QString &field, int count)
{
    QStringList terms;
    for (int i = 0; i < count; ++i)
        terms << field + QStringLiteral(" = ?");
    terms << QStringLiteral("1 = 0");
    return QLatin1Char('(') + terms.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

void bindAll(QSqlQuery &query, const QStringList &values)
{
    for (const QString &value : values)
        query.addBindValue(value);
}

QVariantList lineValues(const RationLine &line)
{
    return {line.account, line.number, line.dishName, line.quantity, line.unit, Sql::date(line.date), line.mealCode,
        line.mealName, line.headcount, Sql::money(line.normPerPerson), Sql::money(line.normMeal), Sql::money(line.price),
        Sql::money(line.value)};
}

} // namespace RationSql
