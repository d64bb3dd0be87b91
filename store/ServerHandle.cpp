#include "store/ServerHandle.h"

#include <QSqlDriver>
#include <QVariant>

pg_conn *serverHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    // Qt names the type after libpq's typedef or its struct.
    if (!handle.isValid()
        || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<pg_conn *const *>(handle.constData());
}
