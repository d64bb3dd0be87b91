#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The rows of a query as text, fields joined by "|": what a test compares with the expected rows.
// A failing query gives one row with the database's error text, so the comparison shows it.
QStringList sqlRows(QSqlDatabase db, const QString &sql);
