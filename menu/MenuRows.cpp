#include "menu/MenuRows.h"

#include "core/Messenger.h"
#include "master/Materials.h"
#include "master/RecipeCodes.h"
#include "menu/MenuGuards.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace MenuRows {

QString recipeAccount()
{
    return QStringLiteral("1000");
}

static Refusal issuedRow(const QString &text)
{
    return Refusal::warning(text + QStringLiteral("\rMár ki lett adva a raktárból kiszabattal."));
}

MenuRow read(QSqlDatabase db, qint64 id)
{
    MenuRow row;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT \"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\" FROM \"Etlap\" "
                                 "WHERE \"EtlapAzon\" = ?"));
    query.addBindValue(id);
    if (query.exec() && query.next()) {
        row.date = Sql::toDate(query.value(0));
        row.meal = query.value(1).toString();
        row.account = query.value(2).toString();
        row.dish = query.value(3).toString();
        row.quantity = query.value(4).toDouble();
    }
    return row;
}

Refusal checkAdd(const QDate &screenDate, const QDate &closedThrough)
{
    return MenuGuards::isOpen(screenDate, closedThrough) ? Refusal() : MenuGuards::closedMonth();
}

Refusal checkChange(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough)
{
    if (id == 0)
        return MenuGuards::noRowSelected();
    if (!MenuGuards::isOpen(screenDate, closedThrough))
        return MenuGuards::closedMonth();
    const MenuRow row = read(db, id);
    if (!row.date.isValid())
        return MenuGuards::noRowSelected();
    if (MenuGuards::hasHeadcount(db, row.date, row.meal, true))
        return issuedRow(QStringLiteral("A tétel nem módosítható!"));
    return Refusal();
}

// The row must name a meal and a dish that exist: a row with an empty or unknown key is left out
// of every list, so it could be neither seen nor deleted.
static Refusal checkKeys(QSqlDatabase db, const MenuRow &row)
{
    QSqlQuery meal(db);
    meal.prepare(QStringLiteral("SELECT 1 FROM \"Etkezesek\" WHERE \"EtkTip\" = ?"));
    meal.addBindValue(row.meal);
    if (row.meal.trimmed().isEmpty() || !meal.exec() || !meal.next())
        return Refusal::error(QStringLiteral("Hibás értékadás!\rNem adott meg étkezést!"), QStringLiteral("dbcEtkTip"));
    const bool dishExists = row.account == recipeAccount()
        ? RecipeCodes::exists(db, row.dish)
        : Materials::read(db, row.account, row.dish).has_value();
    if (row.account.trimmed().isEmpty() || row.dish.trimmed().isEmpty() || !dishExists)
        return Refusal::error(QStringLiteral("A megadott azonosítón nem létezik tétel!"), QStringLiteral("edtAzon"));
    return Refusal();
}

// The checks of the edit screen's "&Rögzít", in its order.
static Refusal checkSave(QSqlDatabase db, const MenuRow &row, const QDate &closedThrough)
{
    if (!MenuGuards::isOpen(row.date, closedThrough)) {
        Refusal refusal = MenuGuards::closedMonth();
        refusal.focus = QStringLiteral("dtpEtlap");
        return refusal;
    }
    if (const Refusal refusal = checkKeys(db, row))
        return refusal;
    if (MenuGuards::hasHeadcount(db, row.date, row.meal, true))
        return MenuGuards::issuedMealForNewRow();
    if (!(row.quantity > 0))
        return Refusal::error(QStringLiteral("Túl kevés a megadott mennyiség!"), QStringLiteral("edtMennyiseg"));
    return Refusal();
}

Checked<qint64> add(QSqlDatabase db, const MenuRow &row, const QDate &closedThrough)
{
    qint64 id = 0;
    const WriteResult written = WriteTransaction::run(db, [&] {
        if (const Refusal refusal = checkSave(db, row, MenuGuards::closedThrough(db, closedThrough)))
            return refusal;
        QString failure;
        id = Sql::insertReturningId(db, QStringLiteral("Etlap"),
            {QStringLiteral("Datum"), QStringLiteral("EtkTip"), QStringLiteral("FokSzam"), QStringLiteral("EtelKod"),
                QStringLiteral("Mennyiseg")},
            {Sql::date(row.date), row.meal, row.account, row.dish, row.quantity}, QStringLiteral("EtlapAzon"), &failure);
        if (id < 0)
            return WriteFailure::failed(failure);
        return Refusal();
    });
    if (!written.ok())
        return Checked<qint64>::refused(written.refusal);
    return Checked<qint64>::accepted(id);
}

Refusal change(QSqlDatabase db, qint64 id, const MenuRow &row, const QDate &closedThrough)
{
    return WriteTransaction::run(db, [&] {
        const QDate closed = MenuGuards::closedThrough(db, closedThrough);
        const MenuRow stored = read(db, id);
        if (!stored.date.isValid())
            return MenuGuards::noRowSelected();
        if (!MenuGuards::isOpen(stored.date, closed))
            return MenuGuards::closedMonth();
        if (MenuGuards::hasHeadcount(db, stored.date, stored.meal, true))
            return issuedRow(QStringLiteral("A tétel nem módosítható!"));
        if (const Refusal refusal = checkSave(db, row, closed))
            return refusal;
        QSqlQuery query(db);
        query.prepare(
            QStringLiteral("UPDATE \"Etlap\" SET \"Datum\" = ?, \"EtkTip\" = ?, \"FokSzam\" = ?, \"EtelKod\" = ?, "
                           "\"Mennyiseg\" = ? WHERE \"EtlapAzon\" = ?"));
        query.addBindValue(Sql::date(row.date));
        query.addBindValue(row.meal);
        query.addBindValue(row.account);
        query.addBindValue(row.dish);
        query.addBindValue(row.quantity);
        query.addBindValue(id);
        return query.exec() ? Refusal() : WriteFailure::failed(query.lastError());
    }).refusal;
}

Refusal checkRemove(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough)
{
    if (id == 0)
        return MenuGuards::noRowSelected();
    if (!MenuGuards::isOpen(screenDate, closedThrough))
        return MenuGuards::closedMonth();
    const MenuRow row = read(db, id);
    if (!row.date.isValid())
        return MenuGuards::noRowSelected();
    if (!MenuGuards::isOpen(row.date, closedThrough))
        return MenuGuards::closedMonth();
    if (MenuGuards::hasHeadcount(db, row.date, row.meal, false))
        return Refusal {QStringLiteral("Figyelmeztetés!"), Symbol::Warning,
            QStringLiteral("A tétel nem törölhető!\rA tételhez tartozik létszám. Először törölje azt!"), QString()};
    return Refusal();
}

QString removeQuestion()
{
    return QStringLiteral("Valóban törli az adatot?\rAz adat visszavonhatatlanul törlődik!");
}

Refusal remove(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough)
{
    return WriteTransaction::run(db, [&] {
        // Read again inside the write: a headcount or a closing recorded since the question stops it.
        if (const Refusal late = checkRemove(db, id, screenDate, MenuGuards::closedThrough(db, closedThrough)))
            return late;
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM \"Etlap\" WHERE \"EtlapAzon\" = ?"));
        query.addBindValue(id);
        return query.exec() ? Refusal() : WriteFailure::failed(query.lastError());
    }).refusal;
}

} // namespace MenuRows
