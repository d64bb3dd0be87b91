#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class StatementWatchdog;

// The table tools of the repair and the table editor on one warehouse table, with the engine's
// own statements, each under the watchdog:
//  - check: SQLite's integrity check of the table; on a server the table's columns against the
//    catalogue;
//  - reindex: every named index of the catalogue that is missing is created again, then the
//    table's indexes are rebuilt;
//  - compact: SQLite's VACUUM (it compacts the whole warehouse file), a server's VACUUM of the table.
namespace TableMaintenance {

struct Outcome
{
    enum class State { Done, Failed, Stopped };
    State state = State::Done;
    // Done: what was done ("A táblán az összes index újraindexelve!"); otherwise why not.
    QString text;
    // The indexes made again from the catalogue.
    QStringList recreatedIndexes;

    bool ok() const { return state == State::Done; }
};

Outcome check(QSqlDatabase db, const QString &table, StatementWatchdog &watchdog);
Outcome reindex(QSqlDatabase db, const QString &table, StatementWatchdog &watchdog);
Outcome compact(QSqlDatabase db, const QString &table, StatementWatchdog &watchdog);

// The text of a statement stopped by the watchdog.
QString stoppedText(int limitMs);

} // namespace TableMaintenance
