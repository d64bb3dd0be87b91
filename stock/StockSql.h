#pragma once

#include "core/Money.h"

#include <QDate>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// SQL helpers of the stock engine: values across the SQL boundary and statements that throw
// StockFailure instead of returning false, so one catch per operation rolls everything back.
namespace StockSql {

struct Failure
{
    QString detail;
};

QVariant toSql(Money value);
Money money(const QVariant &value);
QVariant toSql(const QDate &date);
QDate date(const QVariant &value);
QVariant flag(bool on);
bool flag(const QVariant &value);

void prepare(QSqlQuery &query, const QString &sql);
void exec(QSqlQuery &query);
// Prepares, binds the values in order and runs.
void run(QSqlQuery &query, const QString &sql, const QVariantList &values = {});

} // namespace StockSql
