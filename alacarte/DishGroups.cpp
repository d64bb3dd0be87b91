#include "alacarte/DishGroups.h"

#include "core/Messenger.h"
#include "master/RowUpdate.h"
#include "menu/MenuGuards.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace DishGroups {

Checked<QList<DishGroup>> read(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT \"Csoport\", \"Megnev\" FROM \"CartCsop\" ORDER BY \"Csoport\"")))
        return Checked<QList<DishGroup>>::refused(WriteFailure::readFailed(query.lastError()));
    QList<DishGroup> groups;
    while (query.next())
        groups << DishGroup {query.value(0).toString(), query.value(1).toString()};
    return Checked<QList<DishGroup>>::accepted(groups);
}

static std::optional<int> wholeNumber(const QString &typed)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,3}$"));
    const QString text = typed.trimmed();
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    if (value > 99)
        return std::nullopt;
    return value;
}

Checked<QString> code(const QString &typed)
{
    const auto value = wholeNumber(typed);
    if (!value)
        return Checked<QString>::refused(Refusal::error(
            QStringLiteral("Hibás számot adott meg!\rA szám 0 és 99 közötti lehet"), QStringLiteral("edtFokszam")));
    return Checked<QString>::accepted(QStringLiteral("%1").arg(*value, 2, 10, QLatin1Char('0')));
}

static Refusal checkName(const QString &name)
{
    if (name.trimmed().size() < 2)
        return Refusal::error(QStringLiteral("A megnevezés megadása kötelező!"), QStringLiteral("edtMegnev"));
    return Refusal();
}

static bool exists(QSqlDatabase db, const QString &sql, const QVariantList &values, Refusal *failure)
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        *failure = WriteFailure::failed(query.lastError());
        return true;
    }
    return query.next();
}

Checked<QString> add(QSqlDatabase db, const QString &typedCode, const QString &name)
{
    if (const Refusal refusal = checkName(name))
        return Checked<QString>::refused(refusal);
    const Checked<QString> stored = code(typedCode);
    if (!stored.ok())
        return stored;
    const WriteResult written = WriteTransaction::run(db, [&] {
        Refusal failure;
        if (exists(db, QStringLiteral("SELECT 1 FROM \"CartCsop\" WHERE \"Csoport\" = ?"), {stored.value}, &failure))
            return failure
                ? failure
                : Refusal::error(QStringLiteral("Az azonosító már létezik!\rMég nem létező számot adhat meg csak"),
                    QStringLiteral("edtFokszam"));
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO \"CartCsop\" (\"Csoport\", \"Megnev\") VALUES (?, ?)"));
        insert.addBindValue(stored.value);
        insert.addBindValue(name.trimmed());
        return insert.exec() ? Refusal() : WriteFailure::failed(insert.lastError());
    });
    if (!written.ok())
        return Checked<QString>::refused(written.refusal);
    return stored;
}

Refusal rename(QSqlDatabase db, const QString &code, const QString &name)
{
    if (const Refusal refusal = checkName(name))
        return refusal;
    return WriteTransaction::run(db, [&] {
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE \"CartCsop\" SET \"Megnev\" = ? WHERE \"Csoport\" = ?"));
        update.addBindValue(name.trimmed());
        update.addBindValue(code);
        return runRowUpdate(update);
    }).refusal;
}

Refusal usedElsewhere()
{
    return Refusal::warning(QStringLiteral("A tétel nem törölhető!\rMás tábla már használja az adatot."));
}

Refusal notFound()
{
    return Refusal::information(QStringLiteral("A keresett elem nem található!"));
}

Refusal checkRemove(QSqlDatabase db, const QString &code)
{
    if (code.isEmpty())
        return MenuGuards::noRowSelected();
    Refusal failure;
    if (exists(db, QStringLiteral("SELECT 1 FROM \"CartEtlap\" WHERE \"Csoport\" = ?"), {code}, &failure))
        return failure ? failure : usedElsewhere();
    return Refusal();
}

QString removeQuestion()
{
    return QStringLiteral("Valóban törli az adatot?\rAz adat visszavonhatatlanul törlődik!");
}

Refusal remove(QSqlDatabase db, const QString &code)
{
    return WriteTransaction::run(db, [&] {
        if (const Refusal late = checkRemove(db, code))
            return late;
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM \"CartCsop\" WHERE \"Csoport\" = ?"));
        query.addBindValue(code);
        return query.exec() ? Refusal() : WriteFailure::failed(query.lastError());
    }).refusal;
}

Refusal checkCodeSearch(const QString &typed)
{
    if (wholeNumber(typed))
        return Refusal();
    return Refusal::error(QStringLiteral("Hibás keresési értékadás!\rEz a mezőfajta csak számot tartalmazhat!"),
        QStringLiteral("edtSearch"));
}

} // namespace DishGroups
