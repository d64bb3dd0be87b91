#include "store/WorkTable.h"

#include "store/Catalogue.h"
#include "store/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace WorkTable {

static bool run(QSqlDatabase db, const QString &sql, QString *error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

bool prepare(QSqlDatabase db, const QString &name, QString *error)
{
    const TableDef *table = Catalogue::table(name);
    if (!table || !table->work) {
        if (error)
            *error = QStringLiteral("Ismeretlen munkatábla: %1").arg(name);
        return false;
    }
    // No key and no index: the copy holds one screen's rows, read in the order its query asks for.
    QStringList columns;
    for (const FieldDef &field : table->fields)
        columns << Catalogue::columnDefinition(field, false, Database::engineOf(db));
    const QString quotedName = QLatin1Char('"') + table->name + QLatin1Char('"');
    return run(db,
               QStringLiteral("CREATE TEMPORARY TABLE IF NOT EXISTS ") + quotedName + QStringLiteral(" (")
                   + columns.join(QStringLiteral(", ")) + QLatin1Char(')'),
               error)
        && run(db, QStringLiteral("DELETE FROM ") + quotedName, error);
}

QString storedName(QSqlDatabase db, const QString &name, int warehouse)
{
    const bool server = Database::engineOf(db) == Database::Engine::PostgreSQL;
    return (server ? Database::warehouseSchema(warehouse) : QStringLiteral("main")) + QLatin1Char('.') + name;
}

} // namespace WorkTable
