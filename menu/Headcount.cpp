#include "menu/Headcount.h"

#include "store/WriteFailure.h"
#include "menu/MenuGuards.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace Headcount {

Entry read(QSqlDatabase db, const QDate &date, const QString &meal)
{
    Entry entry;
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT \"Letszam\", \"Kiadva\" FROM \"Letszam\" WHERE \"Datum\" = ? AND \"Etkezesek\" = ?"));
    query.addBindValue(Sql::date(date));
    query.addBindValue(meal);
    if (query.exec() && query.next()) {
        entry.count = query.value(0).toInt();
        entry.issued = Sql::toFlag(query.value(1));
        entry.exists = true;
    }
    return entry;
}

QString issuedWarning()
{
    return QStringLiteral("A létszám már ki lett adva kiszabattal! A kiszabat nem változik, csak saját felelősségre "
                          "módosítsa!");
}

// The statement's error; invalid when it ran.
static QSqlError exec(QSqlDatabase db, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() ? QSqlError() : query.lastError();
}

Refusal save(QSqlDatabase db, const QDate &date, const QString &meal, int count, const QDate &closedThrough)
{
    if (!MenuGuards::isOpen(date, closedThrough))
        return MenuGuards::closedMonth();
    return WriteTransaction::run(db, [&] {
        // A month another computer closed since the screen opened is closed here too.
        if (!MenuGuards::isOpen(date, MenuGuards::closedThrough(db, closedThrough)))
            return MenuGuards::closedMonth();
        const Entry entry = read(db, date, meal);
        if (count == 0 && entry.issued)
            return Refusal::error(QStringLiteral("Kiszabott létszám nem lehet nulla!"), QStringLiteral("fleLetszam"));
        QSqlError error;
        if (count == 0 && entry.exists)
            error = exec(db, QStringLiteral("DELETE FROM \"Letszam\" WHERE \"Datum\" = ? AND \"Etkezesek\" = ?"),
                {Sql::date(date), meal});
        else if (count != 0 && entry.exists)
            error = exec(db,
                QStringLiteral("UPDATE \"Letszam\" SET \"Letszam\" = ? WHERE \"Datum\" = ? AND \"Etkezesek\" = ?"),
                {count, Sql::date(date), meal});
        else if (count != 0)
            error = exec(db,
                QStringLiteral("INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\", \"Mozgnem\") "
                               "VALUES (?, ?, ?, ?, ?)"),
                {Sql::date(date), meal, count, Sql::flag(false), QString()});
        return error.isValid() ? WriteFailure::failed(error) : Refusal();
    }).refusal;
}

} // namespace Headcount
