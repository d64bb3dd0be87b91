#pragma once

#include "core/Refusal.h"

#include <QString>

// The program directory of a window run (salvia.ini, salvia_db.ini, Backup, szovegek): the
// folder named by SALVIA_HOME, else Salvia in the user's home folder. It is never the folder of
// the executable, which an installed program cannot write.
namespace ProgramHome {

// `salviaHome` is SALVIA_HOME's value (empty when unset); a relative one is taken from the
// current directory.
QString location(const QString &salviaHome, const QString &userHome);
// The same from this process's environment.
QString location();

// Creates the directory with its Backup and szovegek folders where they are missing and makes it
// the current directory; "HIBA!" naming the folder that could not be made or entered.
Refusal enter(const QString &path);

} // namespace ProgramHome
