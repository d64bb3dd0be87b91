#include "menu/MenuCopy.h"

#include "store/WriteFailure.h"
#include "menu/MenuGuards.h"
#include "menu/MenuRows.h"
#include "store/Sql.h"
#include "store/EngineError.h"
#include "store/WriteTransaction.h"

#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace MenuCopy {

// The day's rows; a failed read is thrown, so the copy stops with its cause.
static QList<MenuRow> rowsOf(QSqlDatabase db, const QDate &day)
{
    QList<MenuRow> rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\" FROM \"Etlap\" "
                                 "WHERE \"Datum\" = ? ORDER BY \"EtlapAzon\""));
    query.addBindValue(Sql::date(day));
    if (!query.exec())
        throw DatabaseFailure {EngineError::cause(query.lastError())};
    while (query.next())
        rows << MenuRow {day, query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toDouble()};
    return rows;
}

static Refusal ontoItself()
{
    return Refusal::error(QStringLiteral("Hibás értékadás!\rNem másolható önmagára!"));
}

Refusal copyDay(QSqlDatabase source, const QDate &day, const Target &target)
{
    if (!target.date.isValid() || target.date == QDate(1900, 1, 1) || (target.sameWarehouse && target.date == day))
        return ontoItself();

    // Within one warehouse the rows are read inside the writing transaction; from another
    // warehouse's file they are read before it.
    QList<MenuRow> rows;
    if (!target.sameWarehouse) {
        try {
            rows = rowsOf(source, day);
        } catch (const DatabaseFailure &failure) {
            return WriteFailure::readFailed(failure.detail);
        }
    }
    return WriteTransaction::run(target.db, [&] {
        if (target.sameWarehouse)
            rows = rowsOf(source, day);
        const QDate closed = qMax(target.closedThrough, MenuGuards::closedThrough(target.db));
        if (!MenuGuards::isOpen(target.date, closed))
            return MenuGuards::closedMonth();
        for (const MenuRow &row : std::as_const(rows)) {
            if (MenuGuards::hasHeadcount(target.db, target.date, row.meal, true))
                return MenuGuards::issuedMealForNewRow();
        }
        QSqlQuery insert(target.db);
        insert.prepare(
            QStringLiteral("INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") "
                           "VALUES (?, ?, ?, ?, ?)"));
        for (const MenuRow &row : std::as_const(rows)) {
            insert.addBindValue(Sql::date(target.date));
            insert.addBindValue(row.meal);
            insert.addBindValue(row.account);
            insert.addBindValue(row.dish);
            insert.addBindValue(row.quantity);
            if (!insert.exec())
                return WriteFailure::failed(insert.lastError());
        }
        return Refusal();
    }).refusal;
}

} // namespace MenuCopy
