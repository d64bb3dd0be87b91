#pragma once

#include <QSqlDatabase>
#include <QString>

// Brings a warehouse made by an older program up to the catalogue: adds the named indexes it
// lacks (the report indexes on Raktar and Kiszabat came later). Each index is created only where
// it is missing, so the step does its work once and is a quick look afterwards.
namespace DatabaseUpgrade {

// Creates every catalogue index missing from the warehouse's persistent tables (a table that is
// itself missing is left to the repair); the names of the indexes created (empty when nothing
// was missing). False with the database's reason in *error.
bool addMissingIndexes(QSqlDatabase warehouse, QStringList *created = nullptr, QString *error = nullptr);

} // namespace DatabaseUpgrade
