#pragma once

#include "core/Money.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// What the recipe printouts show, read as values: one recipe's card, and every recipe with its
// lines. Material and recipe names are in Hungarian alphabetical order.
namespace RecipeCards {

// A material line of a recipe, its quantity for 100 portions.
struct Line
{
    QString material;
    double quantity = 0;
    QString unit;
};

struct Card
{
    QString name;
    QDate created; // LetrDat
    QDate modified; // ModDat
    QDate ended; // EndDat
    QString text; // Leiras
    // For 100 portions: every nutrient field of the header, HSo and HCukor.
    QHash<QString, double> values;
    QList<Line> lines;
};

// The card of a recipe; an unknown code gives an empty card.
Card card(QSqlDatabase db, const QString &code);

// A line of the recipe list with its recipe's header values.
struct ListRow
{
    QString code;
    QString name;
    QString norm;
    Money net;
    Money vat;
    Line line;
};

// Every line of every recipe, by norm, recipe name, code and material name.
QList<ListRow> list(QSqlDatabase db);

} // namespace RecipeCards
