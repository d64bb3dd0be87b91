#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>

// Copying the menu of one day to another day, of this warehouse or of another one.
namespace MenuCopy {

struct Target
{
    QSqlDatabase db; // the target warehouse's connection (the source's for a copy within it)
    bool sameWarehouse = true;
    QDate date; // invalid, or 1900-01-01 (a cancelled prompt), is refused
    QDate closedThrough; // the closing date the session holds for the target; the later of it
                         // and the target's own Napizaras is used
};

// Adds every Etlap row of `day` in `source` to the target date (rows already there stay), in one
// transaction of the target that also reads its protections: the target date must be open and no
// copied meal may be issued there. A copy onto itself is refused. Nothing is written on a refusal.
Refusal copyDay(QSqlDatabase source, const QDate &day, const Target &target);

} // namespace MenuCopy
