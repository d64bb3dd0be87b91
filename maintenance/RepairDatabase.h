#pragma once

#include "core/Refusal.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

// The repair of every table of one warehouse, in the catalogue's order: each is checked and its
// indexes rebuilt (missing named indexes made again), the file or the tables are compacted, and
// then the movement rows left in progress are deleted with their materials recalculated, in one
// transaction. A table that fails stops the repair; a statement the watchdog stops is rolled
// back and reported, and the program goes on.
namespace RepairDatabase {

struct Report
{
    // One line per table ("Anyag: rendben"), then the compaction and the in-progress rows.
    QStringList lines;
    int inProgressRows = 0;
};

// The question asked first (caption "Információ", symbol 3, buttons "OK", "Mégse", "Súgó").
QString questionText();
// The progress notice, and the line added for the table being repaired.
QString noticeText(const QString &table = QString());
// After success: "Információ", symbol 4; then the question about the stock check.
QString successText();
QString stockCheckQuestion();

// `step(table)` is called before each table (the screen updates its notice there).
Checked<Report> run(QSqlDatabase warehouse, int warehouseNumber, int watchdogMs,
    const std::function<void(const QString &)> &step = {});

} // namespace RepairDatabase
