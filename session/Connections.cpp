#include "session/Connections.h"

#include "session/Services.h"
#include "session/Settings.h"
#include "store/Database.h"

namespace Connections {

QSqlDatabase activeWarehouse(const Services &services)
{
    return warehouse(services, services.settings.aktivRaktar());
}

QSqlDatabase warehouse(const Services &services, int number)
{
    return Database::warehouse(services.settings.dbPath(), number);
}

QSqlDatabase shared(const Services &services)
{
    return Database::shared(services.settings.dbPath());
}

} // namespace Connections
