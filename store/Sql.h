#pragma once

#include "core/Money.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

// The one SQL surface of both engines. Code outside store/ writes SQL that SQLite and PostgreSQL
// read alike (identifiers in double quotes as the catalogue spells them, booleans as TRUE/FALSE,
// ORDER BY with every LIMIT) and takes from here what differs between them, and every value that
// crosses into or out of SQL in a form of its own.
namespace Sql {

// Money into SQL: its exact decimal text (SQLite's REAL column stores it as a number, PostgreSQL's
// NUMERIC(19,4) exactly). Never bind a money amount as a bare double.
QVariant money(const Money &amount);
// Money out of SQL, from whatever the engine hands back (a REAL, a NUMERIC's text or number, an
// integer), rounded to four decimals halves to even; NULL is zero. *ok is false for a value that
// is no amount at all.
Money toMoney(const QVariant &value, bool *ok = nullptr);
// The same for a REAL as the engine hands it back.
Money toMoney(double value, bool *ok = nullptr);

// A date into SQL (ISO text, which PostgreSQL reads as DATE) and out of it (SQLite's text or
// PostgreSQL's date); an invalid QDate and NULL stand for each other.
QVariant date(const QDate &day);
QDate toDate(const QVariant &value);

// A flag into SQL (0/1 on SQLite, BOOLEAN on PostgreSQL) and out of it.
QVariant flag(bool on);
bool toFlag(const QVariant &value);

// INSERT of one row that updates the row with the same key instead when there is one:
// `fields` in the order of the values to bind (every key field among them).
QString upsertStatement(const QString &table, const QStringList &fields, const QStringList &keyFields);

// Inserts one row and returns the id the table gave it (its AutoIncrement field `idField`);
// -1 with the database's reason in *error when the insert failed.
qint64 insertReturningId(QSqlDatabase db, const QString &table, const QStringList &fields,
    const QVariantList &values, const QString &idField, QString *error = nullptr);

// Case-insensitive text search for every letter (Hungarian accented capitals too), the typed text
// always a bound parameter. prefixCondition(db, "\"Megnevezes\"") is an SQL condition with one
// "?" that takes prefixPattern(typed): "%", "_", "\\" and quotes typed by the user match themselves.
// equalNoCaseCondition(db, expression) has one "?" that takes the typed text as it is.
QString prefixCondition(QSqlDatabase db, const QString &expression);
QString prefixPattern(const QString &typed);
QString equalNoCaseCondition(QSqlDatabase db, const QString &expression);

} // namespace Sql
