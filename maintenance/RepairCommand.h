#pragma once

#include <QStringList>
#include <QTextStream>

// "salvia --repair LOCATION N": the database repair of one warehouse without windows, one result
// line per table on `out`. A failed or stopped repair is one line on `err` with exit status 1.
// `arguments` are those after "--repair".
int runRepairCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
