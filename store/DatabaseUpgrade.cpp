#include "store/DatabaseUpgrade.h"

#include "store/Catalogue.h"
#include "store/EngineError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace DatabaseUpgrade {

namespace {

// The names of the tables or indexes the database already has (in the connection's schema on a
// server).
bool existing(QSqlDatabase db, const QString &kind, QStringList *names, QString *error)
{
    QSqlQuery query(db);
    const bool server = Database::engineOf(db) == Database::Engine::PostgreSQL;
    const QString sql = kind == QLatin1String("index")
        ? (server ? QStringLiteral("SELECT indexname FROM pg_indexes WHERE schemaname = current_schema()")
                  : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"))
        : (server ? QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = "
                                   "current_schema()")
                  : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    if (!query.exec(sql)) {
        if (error)
            *error = EngineError::cause(query.lastError());
        return false;
    }
    while (query.next())
        *names << query.value(0).toString();
    return true;
}

} // namespace

bool addMissingIndexes(QSqlDatabase warehouse, QStringList *created, QString *error)
{
    QStringList indexes;
    QStringList tables;
    if (!existing(warehouse, QStringLiteral("index"), &indexes, error)
        || !existing(warehouse, QStringLiteral("table"), &tables, error))
        return false;
    const Database::Engine engine = Database::engineOf(warehouse);
    QSqlQuery query(warehouse);
    for (const TableDef &table : Catalogue::warehouseTables()) {
        // A missing table is the repair's to make, with its indexes.
        if (Catalogue::isWorkTable(table.name) || table.indexes.isEmpty()
            || !tables.contains(table.name, Qt::CaseInsensitive))
            continue;
        // The table's own statements, less its CREATE TABLE: one per index, in catalogue order.
        const QStringList statements = Catalogue::createStatements(table, engine).mid(1);
        for (int i = 0; i < table.indexes.size() && i < statements.size(); ++i) {
            const QString name = Catalogue::sqlIndexName(table.name, table.indexes.at(i).name);
            if (indexes.contains(name, Qt::CaseInsensitive))
                continue;
            if (!query.exec(statements.at(i))) {
                if (error)
                    *error = table.name + QStringLiteral(": ") + EngineError::cause(query.lastError());
                return false;
            }
            if (created)
                *created << name;
        }
    }
    return true;
}

} // namespace DatabaseUpgrade
