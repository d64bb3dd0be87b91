#include "store/TextSearch.h"

#include "store/HungarianCollation.h"

namespace {

// lower() of the expression: PostgreSQL's follows the collation's case rules, so it is given
// the ICU one; on SQLite the connection's own lower() knows Unicode.
QString lowered(const QSqlDatabase &db, const QString &expression)
{
    if (db.driverName() == QLatin1String("QPSQL"))
        return QStringLiteral("LOWER(%1 COLLATE %2)").arg(expression, HungarianCollation::sqlName());
    return QStringLiteral("LOWER(%1)").arg(expression);
}

} // namespace

namespace TextSearch {

QString prefixCondition(const QSqlDatabase &db, const QString &expression)
{
    return lowered(db, expression) + QStringLiteral(" LIKE ? ESCAPE '\\'");
}

QString prefixPattern(const QString &typed)
{
    QString pattern = noCaseValue(typed);
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    pattern.replace(QLatin1Char('%'), QLatin1String("\\%"));
    pattern.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return pattern + QLatin1Char('%');
}

QString equalNoCaseCondition(const QSqlDatabase &db, const QString &expression)
{
    return lowered(db, expression) + QStringLiteral(" = ?");
}

QString noCaseValue(const QString &typed)
{
    return typed.toLower();
}

} // namespace TextSearch
