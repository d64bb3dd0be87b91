#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// One row of the a-la-carte menu as listed: the dish with its name and unit under its group.
struct CartMenuListRow
{
    qint64 id = 0; // EtlapAzon
    QDate date;
    QString group; // Csoport
    QString groupName; // Megnev
    QString account; // FokSzam: "1000" for a recipe dish
    QString dish; // Etelkod
    QString dishName;
    double quantity = 0; // per person
    QString unit; // "adag" for a recipe dish, the material's unit code otherwise
    int decimals = 3; // the material's Kerekites (recipe dishes: 3)
    int headcount = 0;
    bool open = true; // NettoAnyag = -1: not issued yet

    double total() const { return quantity * headcount; }
};

// Reads the a-la-carte menu (CartEtlap) with its names: recipe dishes named by their recipe,
// material dishes by their material (with a unit code Mertegys knows), each under an existing
// dish group. Rows whose dish or group is gone are not listed.
namespace CartMenuList {

// The rows between the two dates (an invalid date leaves that end open), ordered by date, group
// code and dish name.
Checked<QList<CartMenuListRow>> read(QSqlDatabase db, const QDate &from, const QDate &to);

} // namespace CartMenuList
