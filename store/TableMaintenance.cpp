#include "store/TableMaintenance.h"

#include "store/StatementWatchdog.h"
#include "store/Catalogue.h"
#include "store/Database.h"
#include "store/EngineError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace TableMaintenance {

namespace {

using State = Outcome::State;

bool isServer(const QSqlDatabase &db)
{
    return Database::engineOf(db) == Database::Engine::PostgreSQL;
}

QString quoted(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// Runs one statement under the watchdog; the outcome of a failure, or a null state on success.
Outcome run(QSqlQuery &query, const QString &sql, StatementWatchdog &watchdog, const QStringList &values = {})
{
    watchdog.arm();
    bool ran = false;
    if (values.isEmpty()) {
        ran = query.exec(sql);
    } else {
        ran = query.prepare(sql);
        for (const QString &value : values)
            query.addBindValue(value);
        ran = ran && query.exec();
    }
    if (ran)
        return Outcome();
    if (watchdog.stopped(query.lastError()))
        return Outcome {State::Stopped, stoppedText(watchdog.limitMs()), {}};
    return Outcome {State::Failed, EngineError::cause(query.lastError()), {}};
}

// The names of the table's columns (or of its indexes) as the database holds them; failure
// outcome when the catalogue of the database cannot be read.
Outcome names(QSqlDatabase db, const QString &what, const QString &table, StatementWatchdog &watchdog, QStringList &found)
{
    QSqlQuery query(db);
    QString sql;
    if (what == QLatin1String("table")) {
        sql = isServer(db) ? QStringLiteral("SELECT tablename FROM pg_tables WHERE schemaname = current_schema() AND tablename = ?")
                           : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?");
    } else if (what == QLatin1String("index")) {
        sql = isServer(db) ? QStringLiteral("SELECT indexname FROM pg_indexes WHERE schemaname = current_schema() AND tablename = ?")
                           : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ?");
    } else {
        sql = isServer(db) ? QStringLiteral("SELECT column_name FROM information_schema.columns WHERE table_schema = "
                                            "current_schema() AND table_name = ?")
                           : QStringLiteral("SELECT name FROM pragma_table_info(?)");
    }
    Outcome outcome = run(query, sql, watchdog, {table});
    while (outcome.ok() && query.next())
        found << query.value(0).toString();
    return outcome;
}

Outcome existing(QSqlDatabase db, const QString &table, StatementWatchdog &watchdog)
{
    QStringList found;
    Outcome outcome = names(db, QStringLiteral("table"), table, watchdog, found);
    if (outcome.ok() && found.isEmpty())
        return Outcome {State::Failed, QStringLiteral("a tábla hiányzik az adatbázisból"), {}};
    return outcome;
}

} // namespace

QString stoppedText(int limitMs)
{
    return QStringLiteral("a művelet %1 másodperc alatt sem fejeződött be, ezért leállítottam; a tábla változatlan "
                          "maradt")
        .arg(limitMs / 1000);
}

Outcome check(QSqlDatabase db, const QString &table, StatementWatchdog &watchdog)
{
    Outcome outcome = existing(db, table, watchdog);
    if (!outcome.ok())
        return outcome;
    const TableDef *def = Catalogue::table(table);
    if (isServer(db)) {
        QStringList columns;
        outcome = names(db, QStringLiteral("column"), table, watchdog, columns);
        if (!outcome.ok() || !def)
            return outcome;
        for (const QString &field : def->fieldNames()) {
            if (!columns.contains(field))
                return Outcome {State::Failed, QStringLiteral("a táblából hiányzik a(z) %1 mező").arg(field), {}};
        }
        return Outcome {State::Done, QStringLiteral("A tábla szerkezete rendben van."), {}};
    }
    QSqlQuery query(db);
    outcome = run(query, QStringLiteral("PRAGMA integrity_check(%1)").arg(quoted(table)), watchdog);
    if (!outcome.ok())
        return outcome;
    QStringList problems;
    while (query.next()) {
        const QString line = query.value(0).toString();
        if (line != QLatin1String("ok"))
            problems << line;
    }
    if (problems.isEmpty())
        return Outcome {State::Done, QStringLiteral("A tábla rendben van."), {}};
    return Outcome {State::Failed,
        QStringLiteral("a tábla fizikailag sérült (%1); töltse vissza a legutóbbi biztonsági mentést").arg(problems.first()),
        {}};
}

Outcome reindex(QSqlDatabase db, const QString &table, StatementWatchdog &watchdog)
{
    Outcome outcome = existing(db, table, watchdog);
    if (!outcome.ok())
        return outcome;
    QStringList recreated;
    if (const TableDef *def = Catalogue::table(table)) {
        QStringList present;
        outcome = names(db, QStringLiteral("index"), table, watchdog, present);
        if (!outcome.ok())
            return outcome;
        const QStringList statements = Catalogue::createStatements(*def, Database::engineOf(db));
        for (const IndexDef &index : def->indexes) {
            const QString sqlName = Catalogue::sqlIndexName(def->name, index.name);
            if (present.contains(sqlName))
                continue;
            for (const QString &statement : statements) {
                if (!statement.contains(QStringLiteral(" INDEX ") + quoted(sqlName) + QLatin1Char(' ')))
                    continue;
                QSqlQuery query(db);
                outcome = run(query, statement, watchdog);
                if (!outcome.ok())
                    return outcome;
                recreated << index.name;
            }
        }
    }
    QSqlQuery query(db);
    outcome = run(query, (isServer(db) ? QStringLiteral("REINDEX TABLE ") : QStringLiteral("REINDEX ")) + quoted(table),
        watchdog);
    if (!outcome.ok())
        return outcome;
    QString text = QStringLiteral("A táblán az összes index újraindexelve!");
    if (!recreated.isEmpty())
        text += QStringLiteral(" Újra létrehozott index: ") + recreated.join(QStringLiteral(", "));
    return Outcome {State::Done, text, recreated};
}

Outcome compact(QSqlDatabase db, const QString &table, StatementWatchdog &watchdog)
{
    Outcome outcome = existing(db, table, watchdog);
    if (!outcome.ok())
        return outcome;
    QSqlQuery query(db);
    outcome = run(query, isServer(db) ? QStringLiteral("VACUUM ") + quoted(table) : QStringLiteral("VACUUM"), watchdog);
    if (!outcome.ok())
        return outcome;
    return Outcome {State::Done, QStringLiteral("A tömörítés sikeres."), {}};
}

} // namespace TableMaintenance
