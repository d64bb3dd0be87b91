#include "session/OwnerValues.h"

#include "session/Settings.h"

#include <QSqlQuery>

namespace OwnerValues {

bool read(QSqlDatabase shared, Settings &settings)
{
    QSqlQuery query(shared);
    if (!query.exec(QStringLiteral("SELECT \"CegNev\", \"CegIrsz\", \"CegVaros\", \"CegCim\" FROM \"Tulajdonos\" "
                                       "ORDER BY \"CegNev\" LIMIT 1"))
        || !query.next())
        return false;
    settings.setCegNev(query.value(0).toString());
    settings.setCegIrsz(query.value(1).toString());
    settings.setCegVaros(query.value(2).toString());
    settings.setCegCim(query.value(3).toString());
    return true;
}

} // namespace OwnerValues
