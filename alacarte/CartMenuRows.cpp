#include "alacarte/CartMenuRows.h"

#include "core/Messenger.h"
#include "menu/MenuGuards.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace CartMenuRows {

// NettoAnyag of a row not yet issued.
static QVariant openMark()
{
    return Sql::money(Money::fromUnits(-Money::Scale));
}

static Refusal issuedRow(const QString &text)
{
    return Refusal::warning(text + QStringLiteral("\rMár ki lett adva a raktárból kiszabattal."));
}

CartMenuRow read(QSqlDatabase db, qint64 id)
{
    CartMenuRow row;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT \"Datum\", \"Csoport\", \"FokSzam\", \"Etelkod\", \"Mennyiseg\", \"Letszam\", "
                                 "\"NettoAnyag\" FROM \"CartEtlap\" WHERE \"EtlapAzon\" = ?"));
    query.addBindValue(id);
    if (query.exec() && query.next()) {
        row.date = Sql::toDate(query.value(0));
        row.group = query.value(1).toString();
        row.account = query.value(2).toString();
        row.dish = query.value(3).toString();
        row.quantity = query.value(4).toDouble();
        row.headcount = query.value(5).toInt();
        row.open = Sql::toMoney(query.value(6)) == Money::fromUnits(-Money::Scale);
    }
    return row;
}

static bool found(QSqlDatabase db, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() && query.next();
}

bool priced(QSqlDatabase db, const QString &account, const QString &dish)
{
    return found(
        db, QStringLiteral("SELECT 1 FROM \"CartBear\" WHERE \"Fokszam\" = ? AND \"Etelkod\" = ?"), {account, dish});
}

Refusal unpriced()
{
    return Refusal::error(
        QStringLiteral("A módosítandó étel nincs beárazva!\rElőször árazza be, vagy válasszon másik ételt!"),
        QStringLiteral("dbcAnyag"));
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
    const CartMenuRow row = read(db, id);
    if (!row.date.isValid())
        return MenuGuards::noRowSelected();
    if (!MenuGuards::isOpen(row.date, closedThrough))
        return MenuGuards::closedMonth();
    if (!row.open)
        return issuedRow(QStringLiteral("A tétel nem módosítható!"));
    return Refusal();
}

// The checks of the edit screen's "&Rögzít"; `storedDish` is the dish a changed row holds.
static Refusal checkSave(QSqlDatabase db, const CartMenuRow &row, const QDate &closedThrough, const CartMenuRow *stored)
{
    if (!MenuGuards::isOpen(row.date, closedThrough)) {
        Refusal refusal = MenuGuards::closedMonth();
        refusal.focus = QStringLiteral("dtpEtlap");
        return refusal;
    }
    if (row.group.isEmpty()
        || !found(db, QStringLiteral("SELECT 1 FROM \"CartCsop\" WHERE \"Csoport\" = ?"), {row.group}))
        return Refusal::error(
            QStringLiteral("Hibás értékadás!\rNem adott meg étel csoportot!"), QStringLiteral("dbcEtkTip"));
    const bool keptDish = stored && stored->account == row.account && stored->dish == row.dish;
    if (!keptDish && !priced(db, row.account, row.dish)) {
        Refusal refusal = unpriced();
        refusal.text = QStringLiteral("Az étel nincs beárazva!\rElőször árazza be, vagy válasszon másik ételt!");
        return refusal;
    }
    if (!(row.quantity > 0) || row.headcount <= 0)
        return Refusal::error(
            QStringLiteral("Túl kevés a megadott mennyiség, vagy létszám!"), QStringLiteral("edtMennyiseg"));
    if (row.headcount > HeadcountLimit)
        return Refusal::error(
            QStringLiteral("Hibás értékadás!\rA létszám 0 és 1000000 között lehet!"), QStringLiteral("edtFo"));
    return Refusal();
}

Checked<qint64> add(QSqlDatabase db, const CartMenuRow &row, const QDate &closedThrough)
{
    qint64 id = 0;
    const WriteResult written = WriteTransaction::run(db, [&] {
        const QDate closed = qMax(closedThrough, MenuGuards::closedThrough(db));
        if (const Refusal refusal = checkSave(db, row, closed, nullptr))
            return refusal;
        QString failure;
        id = Sql::insertReturningId(db, QStringLiteral("CartEtlap"),
            {QStringLiteral("Datum"), QStringLiteral("Csoport"), QStringLiteral("FokSzam"), QStringLiteral("Etelkod"),
                QStringLiteral("Mennyiseg"), QStringLiteral("Letszam"), QStringLiteral("NettoAnyag")},
            {Sql::date(row.date), row.group, row.account, row.dish, row.quantity, row.headcount, openMark()},
            QStringLiteral("EtlapAzon"), &failure);
        if (id < 0)
            return WriteFailure::failed(failure);
        return Refusal();
    });
    if (!written.ok())
        return Checked<qint64>::refused(written.refusal);
    return Checked<qint64>::accepted(id);
}

Refusal change(QSqlDatabase db, qint64 id, const CartMenuRow &row, const QDate &closedThrough)
{
    return WriteTransaction::run(db, [&] {
        const CartMenuRow stored = read(db, id);
        if (!stored.date.isValid())
            return MenuGuards::noRowSelected();
        const QDate closed = qMax(closedThrough, MenuGuards::closedThrough(db));
        if (!MenuGuards::isOpen(stored.date, closed))
            return MenuGuards::closedMonth();
        if (!stored.open)
            return MenuGuards::issuedMealForNewRow();
        if (const Refusal refusal = checkSave(db, row, closed, &stored))
            return refusal;
        QSqlQuery query(db);
        query.prepare(QStringLiteral("UPDATE \"CartEtlap\" SET \"Datum\" = ?, \"Csoport\" = ?, \"FokSzam\" = ?, "
                                     "\"Etelkod\" = ?, \"Mennyiseg\" = ?, \"Letszam\" = ? "
                                     "WHERE \"EtlapAzon\" = ? AND \"NettoAnyag\" = ?"));
        for (const QVariant &value : {Sql::date(row.date), QVariant(row.group), QVariant(row.account),
                 QVariant(row.dish), QVariant(row.quantity), QVariant(row.headcount), QVariant(id), openMark()})
            query.addBindValue(value);
        return query.exec() ? Refusal() : WriteFailure::failed(query.lastError());
    }).refusal;
}

Refusal checkRemove(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough)
{
    if (id == 0)
        return MenuGuards::noRowSelected();
    if (!MenuGuards::isOpen(screenDate, closedThrough))
        return MenuGuards::closedMonth();
    const CartMenuRow row = read(db, id);
    if (!row.date.isValid())
        return MenuGuards::noRowSelected();
    if (!MenuGuards::isOpen(row.date, closedThrough))
        return MenuGuards::closedMonth();
    if (!row.open)
        return issuedRow(QStringLiteral("A tétel nem törölhető!"));
    return Refusal();
}

QString removeQuestion()
{
    return QStringLiteral("Valóban törli az adatot?\rAz adat visszavonhatatlanul törlődik!");
}

Refusal remove(QSqlDatabase db, qint64 id, const QDate &screenDate, const QDate &closedThrough)
{
    return WriteTransaction::run(db, [&] {
        const QDate closed = qMax(closedThrough, MenuGuards::closedThrough(db));
        if (const Refusal late = checkRemove(db, id, screenDate, closed))
            return late;
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM \"CartEtlap\" WHERE \"EtlapAzon\" = ?"));
        query.addBindValue(id);
        return query.exec() ? Refusal() : WriteFailure::failed(query.lastError());
    }).refusal;
}

Refusal copyDay(QSqlDatabase db, const QDate &day, const QDate &target, const QDate &closedThrough)
{
    if (!target.isValid() || target == QDate(1900, 1, 1) || target == day)
        return Refusal::error(QStringLiteral("Hibás értékadás!\rNem másolható önmagára!"));
    return WriteTransaction::run(db, [&] {
        if (!MenuGuards::isOpen(target, qMax(closedThrough, MenuGuards::closedThrough(db))))
            return MenuGuards::closedMonth();
        QSqlQuery rows(db);
        rows.setForwardOnly(true);
        rows.prepare(QStringLiteral("SELECT \"Csoport\", \"FokSzam\", \"Etelkod\", \"Mennyiseg\", \"Letszam\" "
                                    "FROM \"CartEtlap\" WHERE \"Datum\" = ? ORDER BY \"EtlapAzon\""));
        rows.addBindValue(Sql::date(day));
        if (!rows.exec())
            return WriteFailure::failed(rows.lastError());
        QList<QVariantList> copies;
        while (rows.next())
            copies << QVariantList {Sql::date(target), rows.value(0), rows.value(1), rows.value(2), rows.value(3),
                rows.value(4), openMark()};
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO \"CartEtlap\" (\"Datum\", \"Csoport\", \"FokSzam\", \"Etelkod\", "
                                      "\"Mennyiseg\", \"Letszam\", \"NettoAnyag\") VALUES (?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariantList &copy : std::as_const(copies)) {
            for (const QVariant &value : copy)
                insert.addBindValue(value);
            if (!insert.exec())
                return WriteFailure::failed(insert.lastError());
        }
        return Refusal();
    }).refusal;
}

QString copied()
{
    return QStringLiteral("Az étlap másolása megtörtént.");
}

} // namespace CartMenuRows
