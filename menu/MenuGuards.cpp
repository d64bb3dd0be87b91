#include "menu/MenuGuards.h"

#include "core/Messenger.h"
#include "store/Sql.h"

#include <QSqlQuery>
#include <QVariant>

namespace MenuGuards {

bool isOpen(const QDate &date, const QDate &closedThrough)
{
    return date.isValid() && (!closedThrough.isValid() || date > closedThrough);
}

QDate closedThrough(QSqlDatabase db)
{
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT MAX(\"Datum\") FROM \"Napizaras\"")) && query.next())
        return Sql::toDate(query.value(0));
    return QDate();
}

QDate closedThrough(QSqlDatabase db, const QDate &known)
{
    const QDate stored = closedThrough(db);
    return stored.isValid() && (!known.isValid() || stored > known) ? stored : known;
}

bool hasHeadcount(QSqlDatabase db, const QDate &date, const QString &meal, bool issuedOnly)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM \"Letszam\" WHERE \"Datum\" = ? AND \"Etkezesek\" = ?")
        + (issuedOnly ? QStringLiteral(" AND \"Kiadva\" = ?") : QString()));
    query.addBindValue(Sql::date(date));
    query.addBindValue(meal);
    if (issuedOnly)
        query.addBindValue(Sql::flag(true));
    // A headcount table that cannot be read blocks: never write past a protection blind.
    return !query.exec() || !query.next() || query.value(0).toInt() > 0;
}

Refusal closedMonth()
{
    return Refusal {QStringLiteral("Figyelmeztetés!"), Symbol::Warning,
        QStringLiteral("Már lezárta ezt a hónapot!\rErre a hónapra étlapot nem módosíthat!"), QString()};
}

Refusal issuedMealForNewRow()
{
    return Refusal::error(
        QStringLiteral("Erre az étkezésre új tétel nem vihető fel!\rMár ki lett adva a raktárból kiszabattal."));
}

Refusal noRowSelected()
{
    return Refusal::warning(QStringLiteral("Nincs kiválasztott adatsor!"));
}

} // namespace MenuGuards
