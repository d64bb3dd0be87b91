#pragma once

#include "core/Refusal.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>

// Small SQL helpers of the ration sheet's queries.
namespace RationSql {

// "(f = ? OR f = ? ... OR 1 = 0)": the meal condition with one bound parameter per code; the
// closing false term makes an empty list select nothing.
QString anyOf(const QString &field, int count);

// Binds the values in order.
void bindAll(QSqlQuery &query, const QStringList &values);

// The refusal for a failed statement, with the database's text.
Refusal failure(const QSqlQuery &query);

} // namespace RationSql
