#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <functional>

class Messenger;
class Settings;

// Computing the stored values (cost, VAT, nutrients) of recipe headers from their lines.
namespace RecipeRecompute {

// Recomputes one recipe, with the VAT rates in force today. False when the write failed.
bool one(QSqlDatabase db, const QString &code, const QDate &today);

// Recomputes every recipe that exists, in one transaction; `step(done, total)` is called between
// recipes (the screen lets its message loop run there). False, with nothing written, on a failure.
bool all(QSqlDatabase db, const QDate &today, const std::function<void(int, int)> &step = {});

// "&Táp. szám.": clears TapValt, shows the progress notice while every recipe is recomputed.
bool allWithNotice(QSqlDatabase db, Settings &settings, Messenger &messenger, const QDate &today,
    const std::function<void(int, int)> &step = {});

} // namespace RecipeRecompute
