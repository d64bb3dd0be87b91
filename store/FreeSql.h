#pragma once

#include "core/Refusal.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The table editor's free SQL: a superuser tool, but bounded. One statement per run; a query runs
// read-only; ATTACH, DETACH, writing PRAGMAs, VACUUM, transaction control and DDL are refused
// (SQLite's authorizer); on a server a query may only be SELECT, WITH or VALUES and a statement
// only INSERT, UPDATE or DELETE. A statement runs under the warehouse's write lock in one
// transaction. Every refusal and failure is "HIBA!" with the reason.
namespace FreeSql {

enum class Mode {
    Query, // "Lekérdezés táblába": rows for the grid
    Statement, // "SQL": a write, its affected row count
};

struct Result
{
    QStringList columns;
    QList<QVariantList> rows;
    int rowsAffected = 0;
};

// The template lines of the list "<egyéni>", "SELECT", "UPDATE", "DELETE", "INSERT".
QStringList templateNames();
QStringList templateLines(const QString &name);

// Refused when the text holds no statement or more than one.
Refusal checkSingle(const QString &text);

Checked<Result> run(QSqlDatabase db, const QString &text, Mode mode, int lockKey = -1);

// "Az SQL sikeresen végrehajtva." with the rows affected.
QString successText(int rowsAffected);

} // namespace FreeSql
