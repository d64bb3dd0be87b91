#pragma once

#include <QSqlDatabase>

struct Services;

// The connections a screen works on, reached from its services: the active warehouse's, another
// warehouse's of the same database, and the shared tables'.
namespace Connections {

QSqlDatabase activeWarehouse(const Services &services);
QSqlDatabase warehouse(const Services &services, int number);
QSqlDatabase shared(const Services &services);

} // namespace Connections
