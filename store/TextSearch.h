#pragma once

#include <QSqlDatabase>
#include <QString>

// Conditions of the browse screens' text searches, with the typed text as a bound parameter:
// "%", "_" and quotes in it are searched for as they are.
namespace TextSearch {

// `expression` begins with the bound value, ignoring case (accented capitals too); bind
// prefixPattern(typed).
QString prefixCondition(const QSqlDatabase &db, const QString &expression);
QString prefixPattern(const QString &typed);

// `expression` equals the bound value, ignoring case; bind noCaseValue(typed).
QString equalNoCaseCondition(const QSqlDatabase &db, const QString &expression);
QString noCaseValue(const QString &typed);

} // namespace TextSearch
