#pragma once

#include <QByteArray>
#include <QString>

// Every stored table of a database as text, the same from either engine, so that two databases
// (a round trip through an archive, or one warehouse on two engines) are compared line by line:
// a "# table" line per table, then its rows in key order, fields tab-separated, UTF-8, money with
// four decimals, dates ISO, flags 0/1, NULL as \N; tab, line breaks and backslash escaped.
namespace TableDump {

// Warehouse `warehouse` of `location` with its version, or with warehouse 0 the shared tables and
// every warehouse. Empty with the reason in *error when a table cannot be read.
QByteArray dump(const QString &location, int warehouse, QString *error = nullptr);

} // namespace TableDump
