#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// The protections of the daily menu: closed months and meals already issued from stock.
namespace MenuGuards {

// A date is open when it is later than the last closing date.
bool isOpen(const QDate &date, const QDate &closedThrough);
// The last closing date of a warehouse (Napizaras), read on its own connection.
QDate closedThrough(QSqlDatabase db);
// The later of `known` (read at login) and the closing date stored now: a write reads it inside its
// own transaction, so a month another computer closed meanwhile is closed for it too.
QDate closedThrough(QSqlDatabase db, const QDate &known);

// True when the meal of that day has a headcount row; with `issuedOnly`, only an issued one.
bool hasHeadcount(QSqlDatabase db, const QDate &date, const QString &meal, bool issuedOnly);

Refusal closedMonth(); // "Már lezárta ezt a hónapot!..."
Refusal issuedMealForNewRow(); // "Erre az étkezésre új tétel nem vihető fel!..."
Refusal noRowSelected(); // "Nincs kiválasztott adatsor!"

} // namespace MenuGuards
