#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// "Más&ol": a new recipe with the header, values and lines of an existing one.
namespace RecipeCopy {

// Copies recipe `from` under the typed code: the name followed by "-Másolat", the same norm and
// computed values, `text` as the preparation text, LetrDat today, and every line. One transaction;
// accepted: the new code. A typed code that is not a free integer 0..9999 is refused.
Checked<QString> copy(
    QSqlDatabase db, const QString &from, const QString &typedCode, const QString &text, const QDate &today);

// The refusal when no code is free or the typed one cannot be used.
Refusal noCode();

} // namespace RecipeCopy
