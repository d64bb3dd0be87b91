#pragma once

#include <QSqlDatabase>
#include <QString>

// Work tables (Tmp...) as copies private to one connection. prepare() creates a temporary table of
// the connection with the catalogue's fields under the work table's own name, once per connection,
// and empties it. Both engines look a bare table name up in the connection's temporary tables first,
// so every statement of this connection that names the work table reads and writes the private copy,
// and a rebuild on another computer never reaches it.
namespace WorkTable {

// False, with the database's error text in *error, for an unknown name or a failed statement.
bool prepare(QSqlDatabase db, const QString &name, QString *error = nullptr);
// The name that reaches the stored table of warehouse `warehouse` past the connection's private
// copy, as "schema.table" (the table editor shows what is stored).
QString storedName(QSqlDatabase db, const QString &name, int warehouse);

} // namespace WorkTable
