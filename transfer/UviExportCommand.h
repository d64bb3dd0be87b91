#pragma once

#include <QStringList>
#include <QTextStream>

// "salvia --uvi-export LOCATION N PERIOD OUTDIR [--today YYYYMMDD]": the UVI export without
// windows, with the identifiers of section UVI of salvia.ini in the working directory (the
// program directory); the next batch number is stored there after the six files exist. Existing
// files of the batch are not replaced. `arguments` are those after "--uvi-export". The file names
// go to `out`; a refusal is one line on `err` with exit status 1.
int runUviExportCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
