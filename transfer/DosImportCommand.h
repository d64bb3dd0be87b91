#pragma once

#include <QDate>
#include <QStringList>
#include <QTextStream>

// "salvia --import-dos LOCATION N SOURCE-FOLDER --opening-date YYYY-MM-DD [--only PART,...]":
// the DOS import without windows, through the same logic as the converter screen. `arguments`
// are those after "--import-dos". The counts and the lists go to `out`; a refusal is one line on
// `err` with exit status 1, and nothing is changed.
int runDosImportCommand(const QStringList &arguments, QTextStream &out, QTextStream &err,
    const QDate &today = QDate::currentDate());
