#include "store/Catalogue.h"

#include "store/CatalogueTables.h"
#include "store/ServerHandle.h"
#include "store/StatementSet.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <libpq-fe.h>

static QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

const QStringList &Catalogue::warehouseTableNames()
{
    static const QStringList names {
        QStringLiteral("Afa"),
        QStringLiteral("Allergen"),
        QStringLiteral("AllergenAny"),
        QStringLiteral("AllergenAnyT"),
        QStringLiteral("Anyag"),
        QStringLiteral("Anyagcsoport"),
        QStringLiteral("CartBear"),
        QStringLiteral("CartCsop"),
        QStringLiteral("CartEtlap"),
        QStringLiteral("CartKiszabat"),
        QStringLiteral("Etkezesek"),
        QStringLiteral("Etknorma"),
        QStringLiteral("EtkTip"),
        QStringLiteral("Etlap"),
        QStringLiteral("Etelfeleseg"),
        QStringLiteral("Fokszam"),
        QStringLiteral("Kiszabat"),
        QStringLiteral("Leltar"),
        QStringLiteral("Letszam"),
        QStringLiteral("Lock"),
        QStringLiteral("Mertegys"),
        QStringLiteral("Mozgnem"),
        QStringLiteral("Munkaev"),
        QStringLiteral("Napizaras"),
        QStringLiteral("Partner"),
        QStringLiteral("Raktar"),
        QStringLiteral("Recept"),
        QStringLiteral("ReceptFej"),
        QStringLiteral("Sorszam"),
        QStringLiteral("Tablo"),
        QStringLiteral("TapRendelet"),
        QStringLiteral("TmpAnyagFelh"),
        QStringLiteral("TmpAnyagFelhReszl"),
        QStringLiteral("TmpAnyagHo"),
        QStringLiteral("TmpBear"),
        QStringLiteral("TmpCartEtlap"),
        QStringLiteral("TmpCartKiszabat"),
        QStringLiteral("TmpCartKiszabat_2"),
        QStringLiteral("TmpEtlap"),
        QStringLiteral("TmpEtlapHeti"),
        QStringLiteral("TmpFelhaszHo"),
        QStringLiteral("TmpKiszabat"),
        QStringLiteral("TmpKiszabat_2"),
        QStringLiteral("TmpKiszabat4"),
        QStringLiteral("TmpLeltarHason"),
        QStringLiteral("TmpLetszam"),
        QStringLiteral("TmpLetszHo"),
        QStringLiteral("TmpNapiErt"),
        QStringLiteral("TmpTapCsop"),
        QStringLiteral("TmpTapCsop2"),
        QStringLiteral("TmpTapReszl"),
        QStringLiteral("Veszteseg"),
    };
    return names;
}

const QList<TableDef> &Catalogue::warehouseTables()
{
    static const QList<TableDef> tables = [] {
        QHash<QString, TableDef> byName;
        const QList<TableDef> all = CatalogueTables::masterTables() + CatalogueTables::stockTables()
            + CatalogueTables::menuTables() + CatalogueTables::workTables();
        for (const TableDef &table : all)
            byName.insert(table.name, table);
        QList<TableDef> ordered;
        for (const QString &name : warehouseTableNames()) {
            Q_ASSERT_X(byName.contains(name), "Catalogue", "warehouse table without a definition");
            ordered << byName.value(name);
        }
        Q_ASSERT(byName.size() == WarehouseTableCount);
        return ordered;
    }();
    return tables;
}

const QList<TableDef> &Catalogue::sharedTables()
{
    static const QList<TableDef> tables = CatalogueTables::sharedTables();
    return tables;
}

static QString withoutExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

const TableDef *Catalogue::table(const QString &name)
{
    const QString bare = withoutExtension(name.trimmed());
    for (const QList<TableDef> *list : {&warehouseTables(), &sharedTables()}) {
        for (const TableDef &table : *list) {
            if (table.name.compare(bare, Qt::CaseInsensitive) == 0)
                return &table;
        }
    }
    return nullptr;
}

QString Catalogue::canonicalName(const QString &name)
{
    const TableDef *def = table(name);
    return def ? def->name : QString();
}

bool Catalogue::isWorkTable(const QString &name)
{
    const TableDef *def = table(name);
    return def && def->work;
}

QString Catalogue::sqlType(FieldType type, Database::Engine engine)
{
    const bool server = engine == Database::Engine::PostgreSQL;
    switch (type) {
    case FieldType::Integer:
    case FieldType::AutoIncrement:
        return QStringLiteral("INTEGER");
    case FieldType::Boolean:
        return server ? QStringLiteral("BOOLEAN") : QStringLiteral("INTEGER");
    case FieldType::Float:
        return server ? QStringLiteral("DOUBLE PRECISION") : QStringLiteral("REAL");
    case FieldType::Money:
        return server ? QStringLiteral("NUMERIC(19,4)") : QStringLiteral("REAL");
    case FieldType::Date:
        return server ? QStringLiteral("DATE") : QStringLiteral("TEXT");
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    return QStringLiteral("TEXT");
}

QString Catalogue::serverCollationStatement()
{
    // Case-insensitive, accent-sensitive equality and order, as SQLite's NOCASE for every letter.
    return QStringLiteral("CREATE COLLATION \"salvia\".\"nocase\" (provider = icu, locale = 'und-u-ks-level2', "
                          "deterministic = false)");
}

QString Catalogue::columnDefinition(const FieldDef &field, bool soleKey, Database::Engine engine)
{
    const bool server = engine == Database::Engine::PostgreSQL;
    QString sql = quoted(field.name) + QLatin1Char(' ') + sqlType(field.type, engine);
    if (field.type == FieldType::AutoIncrement)
        return sql + (server ? QStringLiteral(" GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")
                             : QStringLiteral(" PRIMARY KEY AUTOINCREMENT"));
    if (soleKey)
        sql += QStringLiteral(" NOT NULL PRIMARY KEY");
    if (field.noCase)
        sql += server ? QStringLiteral(" COLLATE \"salvia\".\"nocase\"") : QStringLiteral(" COLLATE NOCASE");
    // Other texts compare and sort by code point on both engines (SQLite's BINARY), whatever
    // collation the server's database was made with.
    else if (server && (field.type == FieldType::Text || field.type == FieldType::Memo))
        sql += QStringLiteral(" COLLATE \"C\"");
    // An unset flag reads as false, never as NULL.
    if (field.type == FieldType::Boolean)
        sql += server ? QStringLiteral(" NOT NULL DEFAULT FALSE") : QStringLiteral(" NOT NULL DEFAULT 0");
    return sql;
}

QString Catalogue::sqlIndexName(const QString &table, const QString &index)
{
    return table + QLatin1Char('_') + index;
}

// An index term that is an expression stands in parentheses on a server.
static QString indexTerm(const QString &term, Database::Engine engine)
{
    static const QRegularExpression plain(QStringLiteral("^\"[^\"]+\"$"));
    if (engine == Database::Engine::PostgreSQL && !plain.match(term).hasMatch())
        return QLatin1Char('(') + term + QLatin1Char(')');
    return term;
}

QStringList Catalogue::createStatements(const TableDef &table, Database::Engine engine)
{
    const bool soleKey = table.key.size() == 1;
    QStringList columns;
    for (const FieldDef &field : table.fields) {
        const bool isKey = soleKey && field.name == table.key.first();
        QString column = columnDefinition(field, isKey, engine);
        // Members of a composite key must be present as well.
        if (!soleKey && table.key.contains(field.name))
            column += QStringLiteral(" NOT NULL");
        columns << column;
    }
    if (table.key.size() > 1) {
        QStringList keyFields;
        for (const QString &field : table.key)
            keyFields << quoted(field);
        columns << QStringLiteral("PRIMARY KEY (") + keyFields.join(QStringLiteral(", ")) + QLatin1Char(')');
    }

    QStringList statements;
    // Seven tenths full: a recalculation rewrites every later row of a material once, and the
    // server then keeps each new version beside the old one in its page.
    const QString storage = table.rewritten && engine == Database::Engine::PostgreSQL
        ? QStringLiteral(" WITH (fillfactor = 70)")
        : QString();
    statements << QStringLiteral("CREATE TABLE ") + quoted(table.name) + QStringLiteral(" (")
            + columns.join(QStringLiteral(", ")) + QLatin1Char(')') + storage;
    for (const IndexDef &index : table.indexes) {
        QStringList terms;
        for (const QString &term : index.terms)
            terms << indexTerm(term, engine);
        statements << QStringLiteral("CREATE ") + (index.unique ? QStringLiteral("UNIQUE ") : QString())
                + QStringLiteral("INDEX ") + quoted(sqlIndexName(table.name, index.name)) + QStringLiteral(" ON ")
                + quoted(table.name) + QStringLiteral(" (") + terms.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return statements;
}

bool Catalogue::createTables(QSqlDatabase db, const QList<TableDef> &tables, QString *error)
{
    const Database::Engine engine = Database::engineOf(db);
    if (pg_conn *server = serverHandle(db)) {
        // The server takes the whole set as one script: one round trip instead of one per table
        // and index. It runs the script as one transaction and stops at its first failure.
        QStringList script;
        for (const TableDef &table : tables)
            script << createStatements(table, engine);
        StatementSet::finishOpenRead(db);
        PGresult *result = PQexec(server, script.join(QStringLiteral(";\n")).toUtf8().constData());
        const bool created = PQresultStatus(result) == PGRES_COMMAND_OK;
        if (!created && error)
            *error = QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
        PQclear(result);
        return created;
    }
    QSqlQuery query(db);
    for (const TableDef &table : tables) {
        for (const QString &statement : createStatements(table, engine)) {
            if (!query.exec(statement)) {
                if (error)
                    *error = table.name + QStringLiteral(": ") + query.lastError().text();
                return false;
            }
        }
    }
    return true;
}

QStringList Catalogue::orderCalTerms(const QString &alias)
{
    const QString prefix = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    auto field = [&prefix](const char *name) { return prefix + quoted(QString::fromLatin1(name)); };
    return {
        field("FokSzla"),
        field("NyilvSzam"),
        field("Datum"),
        QStringLiteral("CASE WHEN %1 = '00' THEN 0 WHEN %2 = 'BE' THEN 1 ELSE 2 END")
            .arg(field("Mozgnem"), field("BK")),
        field("RaktAzon"),
    };
}

QString Catalogue::orderCalOrderBy(const QString &alias)
{
    return orderCalTerms(alias).join(QStringLiteral(", "));
}
