#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// The typed fields of a recipe header.
struct RecipeHeader
{
    QString code; // as typed on a new recipe; the stored code on a change
    QString name;
    QString norm; // Enorma
    QString variety; // ValtAzon
    QString text; // Leiras
};

// Recording and changing recipe headers; the computed values are left to RecipeValues.
namespace RecipeHeaders {

// Checks the typed code (integer 0..9999, not in use) and the name, then inserts the header with
// LetrDat = today. Accepted: the padded code.
Checked<QString> add(QSqlDatabase db, const RecipeHeader &header, const QDate &today);

// Checks the name, then writes name, norm, variety, text and ModDat = today.
Refusal change(QSqlDatabase db, const RecipeHeader &header, const QDate &today);

// Sets ModDat of a recipe to today (after a change of its lines), inside the caller's write.
Refusal touch(QSqlDatabase db, const QString &code, const QDate &today);

} // namespace RecipeHeaders
