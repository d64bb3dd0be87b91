#include "session/WarehouseNames.h"

#include <QSqlQuery>

namespace WarehouseNames {

QStringList all(QSqlDatabase shared)
{
    QStringList result;
    QSqlQuery query(shared);
    if (!query.exec(QStringLiteral("SELECT \"RaktarNev\" FROM \"raktarak\" ORDER BY \"RaktarKod\"")))
        return result;
    while (query.next())
        result << query.value(0).toString();
    return result;
}

} // namespace WarehouseNames
