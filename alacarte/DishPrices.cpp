#include "alacarte/DishPrices.h"

#include "alacarte/DishGroups.h"
#include "core/Messenger.h"
#include "master/RecipeVatRates.h"
#include "master/RowUpdate.h"
#include "menu/MenuGuards.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace DishPrices {

namespace {

// The first row of a query, or none; a failed statement sets `failure`.
bool firstRow(QSqlQuery &query, const QString &sql, const QVariantList &values, Refusal *failure)
{
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        *failure = WriteFailure::failed(query.lastError());
        return false;
    }
    return query.next();
}

Refusal checkFigures(const DishPriceEntry &entry)
{
    if (!(entry.margin >= 0 && entry.margin <= MarginLimit))
        return Refusal::error(
            QStringLiteral("Hibás értékadás!\rA haszonkulcs 0 és 10000 között lehet!"), QStringLiteral("fleHaszon"));
    if (entry.gross < Money() || entry.gross > Money::fromUnits(GrossLimit * Money::Scale))
        return Refusal::error(
            QStringLiteral("Hibás értékadás!\rAz eladási ár 0 és 1000000 között lehet!"), QStringLiteral("fleFixar"));
    return Refusal();
}

Refusal checkDish(QSqlDatabase db, const DishKey &key)
{
    QSqlQuery query(db);
    Refusal failure;
    const bool found = key.isRecipe()
        ? firstRow(query, QStringLiteral("SELECT 1 FROM \"ReceptFej\" WHERE \"EtelKod\" = ?"), {key.dish}, &failure)
        : firstRow(query, QStringLiteral("SELECT 1 FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" = ?"),
            {key.account, key.dish}, &failure);
    if (failure)
        return failure;
    if (!found || key.dish.isEmpty())
        return Refusal::error(QStringLiteral("Hibás értékadás!\rNem adott meg ételt!"), QStringLiteral("dbcAnyag"));
    return Refusal();
}

bool keyTaken(QSqlDatabase db, const DishKey &key, Refusal *failure)
{
    QSqlQuery query(db);
    return firstRow(query, QStringLiteral("SELECT 1 FROM \"CartBear\" WHERE \"Etelkod\" = ? AND \"Fokszam\" = ?"),
        {key.dish, key.account}, failure);
}

// The checks of "&Rögzít" that read the database; run inside the write.
Refusal checkSave(QSqlDatabase db, const DishPriceEntry &entry, const QDate &today)
{
    if (const Refusal refusal = checkFigures(entry))
        return refusal;
    if (const Refusal refusal = checkDish(db, entry.key))
        return refusal;
    return vatPercent(db, entry.vatGroup, today).refusal;
}

Refusal duplicate(const QString &first)
{
    return Refusal::warning(first + QStringLiteral("\rMár létezik ilyen étel az árazásban!"));
}

} // namespace

Checked<double> vatPercent(QSqlDatabase db, const QString &group, const QDate &day)
{
    const Checked<RecipeVatRates> rates = RecipeVatRates::read(db, day);
    if (!rates.ok())
        return Checked<double>::refused(rates.refusal);
    if (!rates.value.inForce(group))
        return Checked<double>::refused(Refusal::error(
            QStringLiteral("A(z) \"%1\" ÁFA csoportnak nincs ma érvényes kulcsa!\rVálasszon másik ÁFA csoportot!")
                .arg(group),
            QStringLiteral("dbcAfa")));
    return Checked<double>::accepted(rates.value.percent(group));
}

Checked<Money> cost(QSqlDatabase db, const DishKey &key)
{
    QSqlQuery query(db);
    Refusal failure;
    const bool found = key.isRecipe()
        ? firstRow(
            query, QStringLiteral("SELECT \"Netto\" FROM \"ReceptFej\" WHERE \"EtelKod\" = ?"), {key.dish}, &failure)
        : firstRow(query,
            QStringLiteral("SELECT \"NyilvAr\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" = ?"),
            {key.account, key.dish}, &failure);
    if (failure)
        return Checked<Money>::refused(failure);
    if (!found)
        return Checked<Money>::accepted(Money());
    const Money stored = Sql::toMoney(query.value(0));
    return Checked<Money>::accepted(key.isRecipe() ? stored.dividedBy(100).value_or(Money()) : stored);
}

DishPriceEntry read(QSqlDatabase db, const DishKey &key)
{
    QSqlQuery query(db);
    Refusal failure;
    DishPriceEntry entry;
    if (firstRow(query,
            QStringLiteral("SELECT \"Haszonkulcs\", \"Fixar\", \"AfaCsoport\" FROM \"CartBear\" "
                           "WHERE \"Etelkod\" = ? AND \"Fokszam\" = ?"),
            {key.dish, key.account}, &failure)) {
        entry.key = key;
        entry.margin = query.value(0).toDouble();
        entry.gross = Sql::toMoney(query.value(1));
        entry.vatGroup = query.value(2).toString();
    }
    return entry;
}

Refusal add(QSqlDatabase db, const DishPriceEntry &entry, const QDate &today)
{
    return WriteTransaction::run(db, [&] {
        if (const Refusal refusal = checkSave(db, entry, today))
            return refusal;
        Refusal failure;
        if (keyTaken(db, entry.key, &failure))
            return failure ? failure : duplicate(QStringLiteral("A tétel nem rögzíthető!"));
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO \"CartBear\" (\"Fokszam\", \"Etelkod\", \"Haszonkulcs\", \"Fixar\", "
                                      "\"AfaCsoport\", \"Datum\") VALUES (?, ?, ?, ?, ?, ?)"));
        for (const QVariant &value : {QVariant(entry.key.account), QVariant(entry.key.dish), QVariant(entry.margin),
                 Sql::money(entry.gross), QVariant(entry.vatGroup), Sql::date(today)})
            insert.addBindValue(value);
        return insert.exec() ? Refusal() : WriteFailure::failed(insert.lastError());
    }).refusal;
}

Refusal change(QSqlDatabase db, const DishKey &original, const DishPriceEntry &entry, const QDate &today)
{
    return WriteTransaction::run(db, [&] {
        if (const Refusal refusal = checkSave(db, entry, today))
            return refusal;
        Refusal failure;
        if (!(entry.key == original) && keyTaken(db, entry.key, &failure))
            return failure ? failure : duplicate(QStringLiteral("A tétel nem módosítható!"));
        if (failure)
            return failure;
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE \"CartBear\" SET \"Fokszam\" = ?, \"Etelkod\" = ?, \"Haszonkulcs\" = ?, "
                                      "\"Fixar\" = ?, \"AfaCsoport\" = ?, \"Datum\" = ? "
                                      "WHERE \"Etelkod\" = ? AND \"Fokszam\" = ?"));
        for (const QVariant &value :
            {QVariant(entry.key.account), QVariant(entry.key.dish), QVariant(entry.margin), Sql::money(entry.gross),
                QVariant(entry.vatGroup), Sql::date(today), QVariant(original.dish), QVariant(original.account)})
            update.addBindValue(value);
        return runRowUpdate(update);
    }).refusal;
}

Refusal checkRemove(QSqlDatabase db, const DishKey &key)
{
    if (key.dish.isEmpty())
        return MenuGuards::noRowSelected();
    QSqlQuery query(db);
    Refusal failure;
    if (firstRow(query, QStringLiteral("SELECT 1 FROM \"CartEtlap\" WHERE \"Etelkod\" = ? AND \"FokSzam\" = ?"),
            {key.dish, key.account}, &failure))
        return DishGroups::usedElsewhere();
    return failure;
}

Refusal remove(QSqlDatabase db, const DishKey &key)
{
    return WriteTransaction::run(db, [&] {
        if (const Refusal late = checkRemove(db, key))
            return late;
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM \"CartBear\" WHERE \"Etelkod\" = ? AND \"Fokszam\" = ?"));
        query.addBindValue(key.dish);
        query.addBindValue(key.account);
        return query.exec() ? Refusal() : WriteFailure::failed(query.lastError());
    }).refusal;
}

} // namespace DishPrices
