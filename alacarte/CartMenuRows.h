#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// One dish of the a-la-carte menu of a day (a row of CartEtlap), with its own headcount.
struct CartMenuRow
{
    QDate date;
    QString group; // Csoport
    QString account; // FokSzam: "1000" for a recipe dish
    QString dish; // Etelkod
    double quantity = 0; // per person
    int headcount = 0;
    bool open = true; // NettoAnyag = -1
};

// Adding, changing, deleting and copying a-la-carte menu rows behind the protections of the
// daily menu (MenuGuards): closed months, and rows already issued (NettoAnyag other than -1).
// Every write re-reads its protections inside its transaction.
namespace CartMenuRows {

inline constexpr int HeadcountLimit = 1000000;

// The stored row of that id; a row with an invalid date when there is none.
CartMenuRow read(QSqlDatabase db, qint64 id);
// Whether the dish has a price (CartBear): only priced dishes go on the a-la-carte menu.
bool priced(QSqlDatabase db, const QString &account, const QString &dish);
// Shown when a row whose dish lost its price is opened for a change (the dialog opens anyway).
Refusal unpriced();

// "&Új" of the browse screen: the screen's date must be open.
Refusal checkAdd(const QDate &screenDate, const QDate &closedThrough);
// "&Módosít": a current row, an open date, a row not issued.
Refusal checkChange(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough);

// Saving the edit screen. The row's date must be open, its group must exist, its dish must be
// priced (a change keeping the stored dish keeps it even when its price is gone), quantity and
// headcount above 0. A change also needs the stored row open, by its own date.
Checked<qint64> add(QSqlDatabase db, const CartMenuRow &row, const QDate &closedThrough);
Refusal change(QSqlDatabase db, qint64 id, const CartMenuRow &row, const QDate &closedThrough);

// "&Töröl": the refusal that stops it (null: ask removeQuestion()), then remove(), which checks
// again inside its write.
Refusal checkRemove(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough);
QString removeQuestion();
Refusal remove(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough);

// "Más&ol": adds every row of `day` to `target` as open rows, in one transaction that checks the
// target date against the later of `closedThrough` and the warehouse's own closing date. A copy
// onto itself, or a cancelled prompt (invalid date or 1900-01-01), is refused.
Refusal copyDay(QSqlDatabase db, const QDate &day, const QDate &target, const QDate &closedThrough);
QString copied(); // "Az étlap másolása megtörtént."

} // namespace CartMenuRows
