#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// The material lines of a recipe (Recept), each quantity given for 100 portions. Every write also
// sets the recipe's ModDat, in one transaction with it.
namespace RecipeLines {

// A typed quantity for `portions` portions as the quantity for 100 portions, three decimals,
// halves to even. The portions are held to 1..100, so a bad setting never divides by zero.
double per100(double typed, int portions);

struct Line
{
    QString code; // EtelKod of the recipe
    QString account; // FokSzla
    QString registerNumber; // NyilvSzam
    double quantity = 0; // as typed (TypedQuantity), or as stored when the user left it alone
};

// Inserts a line whose quantity was typed for `portions` portions; accepted: the new ReceptAzon.
// A line without a material of its ledger account is refused ("Hibás értékadás!\rNem adott meg
// anyagnevet!").
Checked<qint64> add(QSqlDatabase db, const Line &line, int portions, const QDate &today);

// Rewrites a line (found by its ReceptAzon) with a quantity already given for 100 portions, written
// as given: a typed quantity has its three decimals, an untouched one keeps what was stored. The
// material is checked as on adding.
Refusal change(QSqlDatabase db, qint64 lineId, const Line &line, const QDate &today);

// Deleting the current line in three steps, so that the question comes before the write:
// "Nincs kiválasztott adatsor!" without one (lineId 0), otherwise removeQuestion() is asked, and
// on "OK" remove() deletes the line.
Refusal checkRemove(qint64 lineId);
QString removeQuestion();
Refusal remove(QSqlDatabase db, const QString &code, qint64 lineId, const QDate &today);

} // namespace RecipeLines
