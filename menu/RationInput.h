#pragma once

#include "core/LookupEntry.h"
#include "core/Refusal.h"
#include "menu/RationTypes.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// What a ration sheet reads from the warehouse: the meals, the menu, the recipes and the
// materials. Only meals whose headcount row is not issued (Kiadva false) take part. Meal codes
// and dates reach SQL as bound parameters.
namespace RationInput {

// One ingredient row of a recipe: the quantity is for 100 portions.
struct Ingredient
{
    QString account;
    QString number;
    double per100 = 0;
};

// The meals with a headcount that is not issued between the two dates (one entry per meal, in
// code order): what the parameter dialogs offer. The headcount is that of `from`.
Checked<QList<RationMeal>> offeredMeals(QSqlDatabase db, const QDate &from, const QDate &to);

// The chosen meals of one date that still have an unissued headcount, in code order.
Checked<QList<RationMeal>> meals(QSqlDatabase db, const QDate &date, const QStringList &codes);

// The dishes of the chosen meals between the two dates that have an unissued headcount, ordered
// by date, meal code and dish name. A recipe dish needs its ReceptFej row; a material dish its
// Anyag row and a known unit code.
Checked<QList<RationMenuRow>> menuRows(QSqlDatabase db, const QDate &from, const QDate &to, const QStringList &codes);

// The ingredient rows of the recipes used by those menu rows, per recipe code.
Checked<QHash<QString, QList<Ingredient>>> ingredients(QSqlDatabase db, const QList<RationMenuRow> &rows);

// The ledger accounts of Fokszam in code order: code and name.
Checked<LookupList> accounts(QSqlDatabase db);

// Every material of Anyag, keyed by material.
Checked<QHash<MaterialKey, RationMaterial>> materials(QSqlDatabase db);

} // namespace RationInput
