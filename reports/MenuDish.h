#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The nutrients of one portion of a dish, and their sums over a weekly-menu cell or a day.
struct DishValues
{
    double energia = 0; // kJ
    double feherje = 0;
    double zsir = 0;
    double zsirTe = 0;
    double szenhidrat = 0;
    double cukor = 0;
    double so = 0;
    double hCukor = 0; // added sugar
    double hSo = 0; // added salt
    double kaloria = 0; // kcal, two decimals per dish

    DishValues &operator+=(const DishValues &other);
};

// A dish as a menu serves it: one row of a menu table for a date and a group (a meal, or an
// a-la-carte dish group), with the values of one portion and its allergen marks. The marks are
// picture file names (Allergen.Jeloles), sorted, each once.
struct MenuDish
{
    qint64 menuId = 0;
    QDate date;
    QString groupCode; // meal code, or dish group code
    QString groupName;
    QString tip; // the meal's type and norm code, for the order of the weekly rows
    QString enorma;
    QString name;
    double quantity = 0; // portions of a recipe, or the material's quantity per person
    QString unit; // "Adag" for a recipe
    QString account; // "1000" for a recipe, else the material's ledger account
    QString number; // recipe code, or the material's register number
    DishValues values;
    QStringList allergens; // contains
    QStringList mayContain;

    bool isRecipe() const { return account == QLatin1String("1000"); }
};

// One served row of a menu table as its source reads it, before the dish's values are looked up.
struct ServedDish
{
    qint64 menuId = 0;
    QDate date;
    QString groupCode;
    QString groupName;
    QString tip;
    QString enorma;
    QString account;
    QString code;
    double quantity = 0;
};
