#pragma once

#include <QSqlDatabase>
#include <QStringList>

class Messenger;
class QListWidget;
class QWidget;

// The "Étkezések:" list of the menu screens: each meal (or a-la-carte dish group) as its code,
// " - " and its name.
namespace MenuMealList {

QListWidget *create(QWidget *parent, QSqlDatabase db, Messenger &messenger, bool several);
// The same list over the a-la-carte dish groups (CartCsop), several to choose.
QListWidget *createDishGroups(QWidget *parent, QSqlDatabase db, Messenger &messenger);
// The chosen meal codes in list order.
QStringList chosen(const QListWidget *list);

} // namespace MenuMealList
