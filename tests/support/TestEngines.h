#pragma once

#include <QString>
#include <QStringList>

// The engines a database test runs on: SQLite always, PostgreSQL when SALVIA_TEST_PG holds the URI
// of a server (scripts/test.sh starts one). Tests add an "engine" column to their _data() tables:
//     TestEngines::addColumn();
//     for (const QString &engine : TestEngines::names())
//         QTest::newRow(qPrintable(engine)) << engine;
namespace TestEngines {

QString sqlite();
QString postgresql();

// "sqlite", and "postgresql" when a server is configured.
QStringList names();
void addColumn();
// One row per engine named after it (for a test whose only data is the engine).
void addRows();

// A new empty database on the test server; its URI, or an empty string with a warning.
QString createServerDatabase();
// Drops a database made by createServerDatabase (connections into it are closed first).
void dropServerDatabase(const QString &uri);

} // namespace TestEngines
