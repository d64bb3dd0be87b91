#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <array>

// The variety index of one meal over a period: per dish category (soups, meat dishes, vegetable
// dishes, side dishes) the number of kinds defined (F) and the number of recipe dishes of that
// category served (E); Vm = (F1+F2+F3+F4) / (E1+E2+E3+E4) × 100.
struct MenuVariety
{
    static constexpr int Categories = 4;
    static constexpr double Required = 60;
    static constexpr int RequiredDays = 20;

    struct Repeat
    {
        int count = 0;
        QString code;
        QString name;
    };

    std::array<int, Categories> kinds {};
    std::array<int, Categories> occurrences {};
    int days = 0; // days on which the meal had a recipe dish
    QList<Repeat> repeats; // recipes served more than once, by name

    int totalOccurrences() const;
    // 0 when nothing was served.
    double index() const;
    double categoryIndex(int category) const;
    bool meetsIndex() const { return index() >= Required; }
    bool enoughDays() const { return days >= RequiredDays; }

    // Counts the meal's menu over the period; an empty meal code counts nothing.
    static Checked<MenuVariety> count(QSqlDatabase db, const QDate &from, const QDate &to, const QString &meal);
};
