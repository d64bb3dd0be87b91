#pragma once

#include "support/TempDatabase.h"

#include <QSqlDatabase>
#include <QString>

// What database tests do alike on either engine in SQL that differs between them.
namespace EngineTools {

// Every insert into `table` fails from now on as a full disk would make it fail (a trigger named
// full_disk); allowInserts() removes the trigger. False with the reason in *error.
bool refuseInserts(QSqlDatabase db, const QString &table, QString *error = nullptr);
void allowInserts(QSqlDatabase db, const QString &table);

// A connection of its own into warehouse `warehouse` of `db`, as another computer opens one,
// named `name`; the caller closes it and removes it with QSqlDatabase::removeDatabase.
QSqlDatabase otherComputer(const TempDatabase &db, int warehouse, const QString &name);

} // namespace EngineTools
