#pragma once

#include "core/MaterialKey.h"
#include "core/Money.h"

#include <QDate>
#include <QString>

// The pieces of a ration sheet: the chosen meals, the menu rows, the detail lines (one per raw
// material per dish per meal) and the material totals.

// A chosen meal of the ration date with its own headcount (Letszam) and cost norm (Etkezesek).
struct RationMeal
{
    QString code;
    QString name;
    int headcount = 0;
    Money normPerPerson;
};

// A dish of the menu with its meal's headcount (views 1 and 2). Recipe dishes have the account
// "1000", the unit "Adag" and the menu's three decimals; material dishes their material's.
struct RationMenuRow
{
    QDate date;
    QString mealCode;
    QString mealName;
    QString account;
    QString code;
    QString dishName;
    double perPerson = 0;
    int headcount = 0;
    QString unit;
    Money normPerPerson;
    int decimals = 3;

    double total() const { return perPerson * headcount; }
};

// A raw material as the sheet needs it. `listed`: present in Anyag with a unit code that Mertegys
// knows; other materials are neither shown in views 3 and 4 nor issued.
struct RationMaterial
{
    QString account;
    QString number;
    QString name;
    QString unit;
    int decimals = 0;
    bool listed = false;
    // Anyag's current register price and stock (planning works with these).
    Money price;
    double stock = 0;

    MaterialKey key() const { return {account, number}; }
};

// One detail line. `id` identifies it within the sheet. Its quantity is an exact decimal of at
// most nine places (RationQuantity) carried in a double.
struct RationLine
{
    qint64 id = 0;
    QString account;
    QString number;
    QString dishName;
    double quantity = 0;
    QString unit;
    QDate date;
    QString mealCode;
    QString mealName;
    int headcount = 0;
    Money normPerPerson;
    Money normMeal;
    Money price;
    Money value;

    MaterialKey key() const { return {account, number}; }
};

// One material total: the quantity rounded to the material's decimals and the stock of the date.
struct RationTotal
{
    QString account;
    QString number;
    QString name;
    double quantity = 0;
    double stock = 0;
    QString unit;

    MaterialKey key() const { return {account, number}; }
    bool isShort() const { return stock < quantity; }
};

// The stock of one material at the ration date: quantity and register price.
struct RationStockValue
{
    double quantity = 0;
    Money price;
};
