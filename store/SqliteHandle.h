#pragma once

#include <QSqlDatabase>

struct sqlite3;

// The SQLite handle under a Qt connection, for what the Qt driver does not offer (collations,
// functions, statements run straight on the engine); null for a connection of another engine.
sqlite3 *sqliteHandle(const QSqlDatabase &db);
