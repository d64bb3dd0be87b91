#pragma once

#include "core/Money.h"
#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// A priced dish (CartBear): the key is the recipe code under account "1000", or a material's
// account and register number.
struct DishKey
{
    QString account; // Fokszam
    QString dish; // Etelkod

    bool isRecipe() const { return account == QLatin1String("1000"); }
    bool operator==(const DishKey &) const = default;
};

struct DishPriceEntry
{
    DishKey key;
    double margin = 0; // Haszonkulcs, percent
    Money gross; // Fixar
    QString vatGroup; // AfaCsoport of the sale
};

// The price register of the a-la-carte dishes. Every write re-reads what it checks inside its
// transaction.
namespace DishPrices {

inline constexpr double MarginLimit = 10000;
inline constexpr qint64 GrossLimit = 1000000;

// The VAT percent in force on the day for a VAT group; a group without a rate in force is refused
// with a message that names it, so a dish is never priced at 0 % by mistake.
Checked<double> vatPercent(QSqlDatabase db, const QString &group, const QDate &day);

// The net material cost of one portion: a recipe's Netto / 100, a material's register price.
Checked<Money> cost(QSqlDatabase db, const DishKey &key);

// The stored row of a key; an entry with an empty key when there is none.
DishPriceEntry read(QSqlDatabase db, const DishKey &key);

// A new price, dated today.
Refusal add(QSqlDatabase db, const DishPriceEntry &entry, const QDate &today);
// Changes the row of `original` (found by that key, so a dish changed on the screen still finds
// its row); the new key may not belong to another row.
Refusal change(QSqlDatabase db, const DishKey &original, const DishPriceEntry &entry, const QDate &today);

// "&Töröl": refused for a dish that the a-la-carte menu uses; then ask, then remove(), which
// checks again inside its write.
Refusal checkRemove(QSqlDatabase db, const DishKey &key);
Refusal remove(QSqlDatabase db, const DishKey &key);

} // namespace DishPrices
