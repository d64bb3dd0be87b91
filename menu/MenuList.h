#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The display copy of the daily menu (TmpEtlap, private to the connection) and the meal list of
// the headcount screen built on it.
namespace MenuList {

struct Filter
{
    QDate date;
    bool allDates = false; // every date instead of `date`
    bool withCode = true; // NyilvSzam filled with the dish code (the headcount screen leaves it empty)
};

// Empties TmpEtlap and refills it: recipe dishes ("Adag"), then raw-material dishes (their unit
// code; a material whose unit is missing from Mertegys is left out).
bool rebuild(QSqlDatabase db, const Filter &filter, QString *error = nullptr);

// The orders of the browse screen: date + meal + dish name, dish name, row id.
enum class Order { DateMealName, Name, Id };
QString selectSql(Order order);
// The day's dishes as the headcount screen lists them (no dish code), by date, meal and dish name.
QString headcountDishesSql();

// One meal of the rebuilt day with its headcount (0 and `hasCount` false when it has none).
// The meal list of the headcount screen: one row per meal of TmpEtlap, the headcount under the
// name "F", ordered by meal type, norm and code.
QString mealSql();

} // namespace MenuList
