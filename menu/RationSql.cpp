#include "menu/RationSql.h"

#include "store/EngineError.h"

#include <QSqlError>

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

Refusal failure(const QSqlQuery &query)
{
    return Refusal::error(QStringLiteral("Adatbázis hiba!") + EngineError::causeLine(EngineError::cause(query.lastError())));
}

} // namespace RationSql
