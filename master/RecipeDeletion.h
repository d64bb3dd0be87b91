#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

class Messenger;

// Deleting a recipe, or discontinuing it when a menu still names it.
namespace RecipeDeletion {

// True when the daily menu, the a-la-carte menu or the a-la-carte prices name the recipe as a dish.
bool isUsed(QSqlDatabase db, const QString &code);

enum class Outcome { Nothing, Deleted, Discontinued };

// "&Töröl" of the recipe browse screen: "Nincs kiválasztott adatsor!" without a recipe (empty
// code); a used recipe is only given EndDat = today when the user agrees; an unused one is deleted
// with its lines after the question. The usage is read again inside the deleting transaction.
Outcome run(QSqlDatabase db, Messenger &messenger, const QString &code, const QDate &today);

} // namespace RecipeDeletion
