#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>


// One dish of a meal of a day (a row of Etlap): a recipe (account "1000") or a raw material.
struct MenuRow
{
    QDate date;
    QString meal; // EtkTip
    QString account; // FokSzam: "1000" for a recipe dish
    QString dish; // EtelKod: recipe code or register number
    double quantity = 0;
};

// Adding, changing and deleting menu rows behind the protections of MenuGuards. Every write
// re-reads its protections inside its transaction.
namespace MenuRows {

// The fixed ledger text of a recipe dish.
QString recipeAccount();

// "&Új" of the browse screen: the screen's date must be open.
Refusal checkAdd(const QDate &screenDate, const QDate &closedThrough);
// "&Módosít": a current row, an open screen date, a meal not issued.
Refusal checkChange(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough);

// Saving the edit screen. New: accepted with the new EtlapAzon. Besides the protections, the meal
// must exist ("Hibás értékadás!\rNem adott meg étkezést!") and so must the dish, a recipe or a
// material of the row's ledger account ("A megadott azonosítón nem létezik tétel!").
Checked<qint64> add(QSqlDatabase db, const MenuRow &row, const QDate &closedThrough);
Refusal change(QSqlDatabase db, qint64 id, const MenuRow &row, const QDate &closedThrough);

// "&Töröl" in three steps, so that the question comes before the write: the refusal that stops
// deleting the row (null: ask removeQuestion()), then, on "OK", remove(), which checks again inside
// its write and deletes.
Refusal checkRemove(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough);
QString removeQuestion();
Refusal remove(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough);

// The stored row of that id; a row with an invalid date when there is none.
MenuRow read(QSqlDatabase db, qint64 id);

} // namespace MenuRows
