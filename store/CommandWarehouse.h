#pragma once

#include "core/Refusal.h"

#include <QSqlDatabase>
#include <QString>

// The warehouse a windowless command names as "LOCATION N": the number checked (1..20), the
// connection opened and its active work year read.
namespace CommandWarehouse {

struct Opened
{
    QSqlDatabase db;
    int warehouse = 0;
    int workYear = 0; // 0 when the warehouse has no active year
};

Checked<Opened> open(const QString &location, const QString &number);

} // namespace CommandWarehouse
