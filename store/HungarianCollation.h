#pragma once

#include <QSqlDatabase>
#include <QString>

// Hungarian alphabetical order and case-blind text search on both engines. SQLite gets ICU's
// Hungarian collation under PostgreSQL's name for it ("hu-HU-x-icu") and a lower() that knows
// accented capitals, registered on each connection through the driver handle; PostgreSQL has
// both built in. So the same SQL text orders and searches alike on either engine.
namespace HungarianCollation {

// The collation's name as SQL writes it (quoted).
QString sqlName();

// Registers the collation and the Unicode lower() on an open SQLite connection; other engines
// need nothing. False when the connection's handle could not be reached.
bool install(QSqlDatabase db);

// `expression` ordered in Hungarian alphabetical order: an ORDER BY term.
QString orderTerm(const QString &expression);

} // namespace HungarianCollation
