#pragma once

#include <QSqlDatabase>
#include <QString>

class Settings;

// The owner institution as recorded in the shared tables (table Tulajdonos, one row).
namespace OwnerValues {

// Sets CegNev, CegIrsz, CegVaros and CegCim of the settings object from the row; false (the
// values left as they were) when the table cannot be read or holds no row.
bool read(QSqlDatabase shared, Settings &settings);

} // namespace OwnerValues
