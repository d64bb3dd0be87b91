#include "menu/RationDayDeletion.h"

#include "core/MaterialKey.h"
#include "core/Messenger.h"
#include "menu/RationSql.h"
#include "stock/MovementTable.h"
#include "stock/StockMessages.h"
#include "stock/StockRecalculator.h"
#include "stock/StockSql.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"
#include "store/WriteFailure.h"

#include <QSqlError>
#include <QSqlQuery>

namespace RationDayDeletion {

Checked<QList<RationMeal>> issuedMeals(QSqlDatabase db, const QDate &date)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT l.\"Etkezesek\", k.\"Megnevezes\", l.\"Letszam\" FROM \"Letszam\" l "
                                 "JOIN \"Etkezesek\" k ON k.\"EtkTip\" = l.\"Etkezesek\" "
                                 "WHERE l.\"Datum\" = ? AND l.\"Kiadva\" = TRUE ORDER BY l.\"Etkezesek\""));
    query.addBindValue(Sql::date(date));
    if (!query.exec())
        return Checked<QList<RationMeal>>::refused(WriteFailure::readFailed(query.lastError()));
    QList<RationMeal> meals;
    while (query.next())
        meals << RationMeal {query.value(0).toString(), query.value(1).toString(), query.value(2).toInt(), Money()};
    return Checked<QList<RationMeal>>::accepted(meals);
}

static Refusal warning(const QString &text)
{
    return Refusal {QStringLiteral("Figyelmeztetés!"), Symbol::Warning, text, QString()};
}

// The body inside the transaction; a refusal leaves the caller to roll back.
static Refusal removeDay(QSqlDatabase db, const QDate &date, const StockOptions &options, int *rows)
{
    MovementTable table(db);
    const QDate closed = table.closingDate();
    if (closed.isValid() && date <= closed)
        return warning(StockMessages::closedMonth());
    QSqlQuery query(db);
    const QVariant day = Sql::date(date);
    StockSql::run(query, QStringLiteral("DELETE FROM \"Kiszabat\" WHERE \"Datum\" = ?"), {day});
    StockSql::run(query,
        QStringLiteral("UPDATE \"Letszam\" SET \"Kiadva\" = FALSE, \"Mozgnem\" = '' WHERE \"Datum\" = ?"), {day});
    StockSql::run(query,
        QStringLiteral("SELECT \"RaktAzon\", \"FokSzla\", \"NyilvSzam\" FROM \"Raktar\" "
                       "WHERE \"Datum\" = ? AND \"Mozgnem\" <> '08' AND \"Stat\" = TRUE ORDER BY \"RaktAzon\""),
        {day});
    QList<qint64> ids;
    QList<MaterialKey> materials;
    while (query.next()) {
        ids << query.value(0).toLongLong();
        const MaterialKey key {query.value(1).toString(), query.value(2).toString()};
        if (!materials.contains(key))
            materials << key;
    }
    for (const qint64 id : ids)
        table.remove(id);
    StockRecalculator recalculator(db, options.kiadAr);
    for (const auto &material : materials)
        if (recalculator.run(material.account, material.number, date, true).negative)
            return warning(StockMessages::negativeOnDelete());
    *rows = int(ids.size());
    return Refusal();
}

Checked<int> remove(QSqlDatabase db, const QDate &date, const StockOptions &options)
{
    int rows = 0;
    const WriteResult written = WriteTransaction::run(db, [&] { return removeDay(db, date, options, &rows); });
    return written.ok() ? Checked<int>::accepted(rows) : Checked<int>::refused(written.refusal);
}

} // namespace RationDayDeletion
