#pragma once

#include "store/Database.h"
#include "store/TableDef.h"

#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// Every table of a database in one place: the shared tables of shared.sqlite and the 52 tables of
// each warehouse, with fields, types, keys and named indexes. It creates the tables and answers
// questions about them (the table editor, the repair, the physical closing).
class Catalogue
{
public:
    static constexpr int WarehouseTableCount = 52;

    // The warehouse tables in their fixed order (the order of the repair and the physical closing).
    static const QStringList &warehouseTableNames();
    static const QList<TableDef> &warehouseTables();
    // raktarak, login, Tulajdonos.
    static const QList<TableDef> &sharedTables();

    // The table of that name, matched without regard to case, with or without a file extension
    // ("Anyag", "anyag.db", "Raktar.DB"); nullptr for an unknown name.
    static const TableDef *table(const QString &name);
    // The catalogue's spelling of a table name ("anyag.DB" -> "Anyag"); empty when unknown.
    static QString canonicalName(const QString &name);
    // Work tables (names beginning "Tmp"): emptied and refilled by their screens.
    static bool isWorkTable(const QString &name);

    // SQL: the storage type of a field kind, the column definition, the statements that create a
    // table with its indexes, and the index name in the database (index names are unique per
    // database file or schema, so it is the table name, "_" and the index name).
    // SQLite: codes and texts TEXT, quantities and money REAL, dates ISO TEXT, booleans INTEGER 0/1.
    // PostgreSQL: TEXT COLLATE "C" (the order of SQLite's BINARY), DOUBLE PRECISION, NUMERIC(19,4),
    // DATE, BOOLEAN; case-insensitive texts use the collation salvia.nocase, which the server's
    // creation makes first.
    static QString sqlType(FieldType type, Database::Engine engine = Database::Engine::SQLite);
    static QString columnDefinition(
        const FieldDef &field, bool soleKey, Database::Engine engine = Database::Engine::SQLite);
    static QStringList createStatements(const TableDef &table, Database::Engine engine = Database::Engine::SQLite);
    static QString sqlIndexName(const QString &table, const QString &index);
    // The statement that makes the case-insensitive collation on a server (nothing on SQLite).
    static QString serverCollationStatement();

    // Creates the given tables with their indexes on db, for db's engine; stops at the first
    // failure and returns false with the database's error text in *error.
    static bool createTables(QSqlDatabase db, const QList<TableDef> &tables, QString *error = nullptr);

    // The calculation order of movement rows (index OrderCal of Raktar): material, date, opening
    // rows first, receipts before issues, then row id, so that a kitchen's receipts of a day come
    // before its issues of that day. orderCalOrderBy() is the same list as ORDER BY text; a query
    // that uses it word for word reads the rows through the index.
    // `alias` qualifies the fields ("r" gives r."FokSzla" ...) for a query that joins tables.
    static QStringList orderCalTerms(const QString &alias = QString());
    static QString orderCalOrderBy(const QString &alias = QString());
};
