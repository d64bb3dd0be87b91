#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class QTestData;

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
// A row "engine, name" with the engine as its first value: crosses a table of cases with the
// engines (for each engine of names(), newRow(engine, "case") << ...).
QTestData &newRow(const QString &engine, const char *name);
// The engine of the row under test, read from its data tag ("postgresql" or "postgresql, ...");
// SQLite for any other row. For init(), which cannot fetch the engine column.
QString current();

// A new empty database on the test server (or a copy of `templateName`); its URI, or an empty
// string with a warning.
QString createServerDatabase(const QString &templateName = QString());
// A whole database as DatabaseCreator makes it for `today`, kept on the test server as a template
// and copied for each test (creation takes long on a busy machine); its URI.
QString createCreatedServerDatabase(const QDate &today, QString *error);
// Drops a database made by createServerDatabase (connections into it are closed first).
void dropServerDatabase(const QString &uri);

} // namespace TestEngines
