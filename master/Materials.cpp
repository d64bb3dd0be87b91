#include "master/Materials.h"

#include "core/Codes.h"
#include "core/NameText.h"
#include "master/RowUpdate.h"
#include "store/WriteFailure.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>

namespace {

const QStringList LinkTables = {QStringLiteral("AllergenAny"), QStringLiteral("AllergenAnyT")};

// Every table that names a material, with its ledger-account and register-number fields.
struct Reference
{
    const char *table;
    const char *ledger;
    const char *number;
};
const Reference References[] = {
    {"Raktar", "FokSzla", "NyilvSzam"},
    {"Recept", "FokSzla", "NyilvSzam"},
    {"Etlap", "FokSzam", "EtelKod"},
    {"CartEtlap", "FokSzam", "Etelkod"},
    {"CartBear", "Fokszam", "Etelkod"},
};

Checked<bool> names(QSqlDatabase db, const Reference &reference, const QString &ledger, const QString &number)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM \"%1\" WHERE \"%2\" = ? AND \"%3\" = ?")
                      .arg(QString::fromLatin1(reference.table), QString::fromLatin1(reference.ledger),
                          QString::fromLatin1(reference.number)));
    query.addBindValue(ledger);
    query.addBindValue(number);
    if (!query.exec() || !query.next())
        return Checked<bool>::refused(WriteFailure::failed(query.lastError()));
    return Checked<bool>::accepted(query.value(0).toInt() > 0);
}

Checked<bool> exists(QSqlDatabase db, const QString &ledger, const QString &number)
{
    return names(db, Reference{"Anyag", "FokonyviSzam", "NyilvSzam"}, ledger, number);
}

// The master fields of a material as written, nutrients per unit of measure.
QList<std::pair<QString, QVariant>> masterValues(const MaterialEntry &e)
{
    QList<std::pair<QString, QVariant>> values
        = {{QStringLiteral("Megnevezes"), e.name}, {QStringLiteral("Csoport"), e.group},
            {QStringLiteral("Mertekegyseg"), e.unit}, {QStringLiteral("MenySzorzo"), e.multiplier},
            {QStringLiteral("AfaCsoport"), e.vatGroup}, {QStringLiteral("NyilvAr"), Sql::money(e.price)},
            {QStringLiteral("Kerekites"), e.rounding}, {QStringLiteral("KeszletMin"), e.minimum},
            {QStringLiteral("KeszletMax"), e.maximum}, {QStringLiteral("Vkod"), e.lossCode},
            {QStringLiteral("Hso"), Sql::flag(e.addedSalt)}, {QStringLiteral("Hcukor"), Sql::flag(e.addedSugar)}};
    for (const QString &field : Materials::nutrientFields())
        values << std::pair<QString, QVariant>{field, e.nutrients.value(field) * e.multiplier};
    return values;
}

// Replaces the material's rows of both link tables with the entry's selections.
QSqlError writeAllergens(QSqlDatabase db, const MaterialEntry &e, const QString &number)
{
    const QStringList *selections[] = {&e.contains, &e.mayContain};
    for (int i = 0; i < 2; ++i) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM \"%1\" WHERE \"Fokszam\" = ? AND \"NyilvSzam\" = ?").arg(LinkTables[i]));
        query.addBindValue(e.ledger);
        query.addBindValue(number);
        if (!query.exec())
            return query.lastError();
        query.prepare(QStringLiteral("INSERT INTO \"%1\" (\"AzonAl\", \"Fokszam\", \"NyilvSzam\") VALUES (?, ?, ?)")
                          .arg(LinkTables[i]));
        for (const QString &code : *selections[i]) {
            query.addBindValue(code);
            query.addBindValue(e.ledger);
            query.addBindValue(number);
            if (!query.exec())
                return query.lastError();
        }
    }
    return QSqlError();
}

QStringList allergensOf(QSqlDatabase db, const QString &table, const QString &ledger, const QString &number)
{
    QStringList codes;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT \"AzonAl\" FROM \"%1\" WHERE \"Fokszam\" = ? AND \"NyilvSzam\" = ? "
                                 "ORDER BY \"AzonAl\"")
                      .arg(table));
    query.addBindValue(ledger);
    query.addBindValue(number);
    if (query.exec()) {
        while (query.next())
            codes << query.value(0).toString();
    }
    return codes;
}

} // namespace

namespace Materials {

QString proposeRegisterNumber(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    int highest = -1;
    if (query.exec(QStringLiteral("SELECT \"NyilvSzam\" FROM \"Anyag\""))) {
        while (query.next()) {
            bool ok = false;
            const int number = query.value(0).toString().trimmed().toInt(&ok);
            if (ok && number > highest)
                highest = number;
        }
    }
    if (highest >= 9999)
        return QString();
    return *Codes::pad(Codes::Kind::RegisterNumber, highest + 1);
}

Refusal checkEntry(const MaterialEntry &e, bool isNew)
{
    if (e.name.trimmed().size() < 2)
        return Refusal::error(QStringLiteral("Hibás értékadás!\rA megnevezést kötelező megadni!"), QStringLiteral("edtMegnevezes"));
    if (e.name.size() > 50)
        return Refusal::error(QStringLiteral("Túl hosszú értéket adott meg!\rLegfeljebb 50 karakter lehet."),
            QStringLiteral("edtMegnevezes"));
    if (const Refusal unclean = NameText::check(e.name, QStringLiteral("edtMegnevezes")))
        return unclean;
    if ((e.minimum != 0 || e.maximum != 0) && !(e.maximum > e.minimum))
        return Refusal::error(
            QStringLiteral("Hibás értékadás!\rA Készlet maximumnak nagyobbnak kell lennie\ra minimumnál!"),
            QStringLiteral("edtKeszletMax"));
    // Nutrients are divided by the multiplier on every display and printout.
    if (!(e.multiplier > 0) || !std::isfinite(e.multiplier))
        return Refusal::error(QStringLiteral("Hibás értékadás!\rA mennyiségi szorzónak nullánál nagyobbnak kell lennie!"),
            QStringLiteral("edtMenySzorzo"));
    if (e.rounding < 0 || e.rounding > 3)
        return Refusal::error(QStringLiteral("Hibás értékadás!\rA kerekítés 0 és 3 tizedes között lehet!"),
            QStringLiteral("comKerekites"));
    if (isNew && !Codes::pad(Codes::Kind::RegisterNumber, e.registerNumber).ok())
        return Refusal::error(QStringLiteral("Hibás értékadás!\rA Nyilvántartási szám értéke 0..10000 között lehet!"),
            QStringLiteral("edtNyilvSzam"));
    if (isNew && !Codes::pad(Codes::Kind::LedgerAccount, e.ledger).ok())
        return Refusal::error(QStringLiteral("Hibás értékadás!\rA főkönyvi számot kötelező megadni!"),
            QStringLiteral("dbcFokonyviSzam"));
    return Refusal();
}

Refusal insert(QSqlDatabase db, const MaterialEntry &entry)
{
    if (const Refusal refused = checkEntry(entry, true))
        return refused;
    MaterialEntry e = entry;
    e.ledger = Codes::pad(Codes::Kind::LedgerAccount, entry.ledger).value;
    const QString number = Codes::pad(Codes::Kind::RegisterNumber, entry.registerNumber).value;
    const Refusal already = Refusal::error(
        QStringLiteral("A nyilvántartási szám már létezik ezen\ra főkönyvi számon. Kérem adjon meg másat!"),
        QStringLiteral("edtNyilvSzam"));
    const WriteResult written = WriteTransaction::run(db, [&] {
        const Checked<bool> there = exists(db, e.ledger, number);
        if (!there.ok())
            return there.refusal;
        if (there.value)
            return already;
        QList<std::pair<QString, QVariant>> values = masterValues(e);
        values << std::pair<QString, QVariant>{QStringLiteral("FokonyviSzam"), e.ledger}
               << std::pair<QString, QVariant>{QStringLiteral("NyilvSzam"), number}
               << std::pair<QString, QVariant>{QStringLiteral("KeszletMennyiseg"), 0.0}
               << std::pair<QString, QVariant>{QStringLiteral("KeszletErtek"), 0.0}
               << std::pair<QString, QVariant>{QStringLiteral("LeltarMennyiseg"), 0.0};
        QStringList fields;
        QStringList marks;
        for (const auto &value : values) {
            fields << QLatin1Char('"') + value.first + QLatin1Char('"');
            marks << QStringLiteral("?");
        }
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO \"Anyag\" (%1) VALUES (%2)")
                          .arg(fields.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
        for (const auto &value : values)
            query.addBindValue(value.second);
        if (!query.exec())
            return WriteFailure::failed(query.lastError());
        const QSqlError error = writeAllergens(db, e, number);
        return error.isValid() ? WriteFailure::failed(error) : Refusal();
    });
    if (written.ok())
        return Refusal();
    // A key that another computer took between the check and the insert reads as taken.
    const Checked<bool> after = exists(db, e.ledger, number);
    if (after.ok() && after.value)
        return already;
    return written.refusal;
}

Refusal update(QSqlDatabase db, const MaterialEntry &entry)
{
    if (const Refusal refused = checkEntry(entry, false))
        return refused;
    return WriteTransaction::run(db, [&] {
        const QList<std::pair<QString, QVariant>> values = masterValues(entry);
        QStringList assignments;
        for (const auto &value : values)
            assignments << QLatin1Char('"') + value.first + QStringLiteral("\" = ?");
        QSqlQuery query(db);
        query.prepare(QStringLiteral("UPDATE \"Anyag\" SET %1 WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" = ?")
                          .arg(assignments.join(QLatin1Char(','))));
        for (const auto &value : values)
            query.addBindValue(value.second);
        query.addBindValue(entry.ledger);
        query.addBindValue(entry.registerNumber);
        if (const Refusal refused = runRowUpdate(query))
            return refused;
        const QSqlError error = writeAllergens(db, entry, entry.registerNumber);
        if (error.isValid())
            return WriteFailure::failed(error);
        return Refusal();
    }).refusal;
}

std::optional<MaterialEntry> read(QSqlDatabase db, const QString &ledger, const QString &registerNumber)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT * FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" = ?"));
    query.addBindValue(ledger);
    query.addBindValue(registerNumber);
    if (!query.exec() || !query.next())
        return std::nullopt;
    const auto value = [&query](const char *field) { return query.value(QString::fromLatin1(field)); };
    MaterialEntry e;
    e.ledger = ledger;
    e.registerNumber = registerNumber;
    e.name = value("Megnevezes").toString();
    e.group = value("Csoport").toString();
    e.unit = value("Mertekegyseg").toString();
    e.multiplier = value("MenySzorzo").toDouble();
    e.vatGroup = value("AfaCsoport").toString();
    e.price = Sql::toMoney(value("NyilvAr"));
    e.rounding = value("Kerekites").toInt();
    e.minimum = value("KeszletMin").toDouble();
    e.maximum = value("KeszletMax").toDouble();
    e.lossCode = value("Vkod").toString();
    e.addedSalt = Sql::toFlag(value("Hso"));
    e.addedSugar = Sql::toFlag(value("Hcukor"));
    // A damaged row with a zero multiplier shows its stored values rather than dividing by zero.
    const double divisor = e.multiplier != 0 ? e.multiplier : 1;
    for (const QString &field : nutrientFields())
        e.nutrients.insert(field, query.value(field).toDouble() / divisor);
    e.contains = allergensOf(db, LinkTables[0], ledger, registerNumber);
    e.mayContain = allergensOf(db, LinkTables[1], ledger, registerNumber);
    return e;
}

Refusal checkDelete(QSqlDatabase db, const QString &ledger, const QString &registerNumber)
{
    for (const Reference &reference : References) {
        const Checked<bool> used = names(db, reference, ledger, registerNumber);
        if (!used.ok())
            return used.refusal;
        if (used.value)
            return Refusal::warning(QStringLiteral("Az adat nem törölhető!\rMás tábla már használja az anyagot."));
    }
    return Refusal();
}

Refusal remove(QSqlDatabase db, const QString &ledger, const QString &registerNumber)
{
    return WriteTransaction::run(db, [&] {
        if (const Refusal refused = checkDelete(db, ledger, registerNumber))
            return refused;
        QSqlQuery query(db);
        const QStringList statements = {
            QStringLiteral("DELETE FROM \"AllergenAnyT\" WHERE \"Fokszam\" = ? AND \"NyilvSzam\" = ?"),
            QStringLiteral("DELETE FROM \"AllergenAny\" WHERE \"Fokszam\" = ? AND \"NyilvSzam\" = ?"),
            QStringLiteral("DELETE FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? AND \"NyilvSzam\" = ?")};
        for (const QString &statement : statements) {
            query.prepare(statement);
            query.addBindValue(ledger);
            query.addBindValue(registerNumber);
            if (!query.exec())
                return WriteFailure::failed(query.lastError());
        }
        return Refusal();
    }).refusal;
}

bool usedInRecipes(QSqlDatabase db, const QString &ledger, const QString &registerNumber)
{
    const Checked<bool> used = names(db, References[1], ledger, registerNumber);
    return used.ok() && used.value;
}

} // namespace Materials
