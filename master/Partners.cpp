#include "master/Partners.h"

#include "core/Codes.h"
#include "core/NameText.h"
#include "master/RowUpdate.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

const QStringList Fields = {QStringLiteral("Nev"), QStringLiteral("Irszam"), QStringLiteral("Telepules"),
    QStringLiteral("Utca"), QStringLiteral("Telefon"), QStringLiteral("Mobil"), QStringLiteral("FAX"),
    QStringLiteral("E-mail"), QStringLiteral("Adoszam"), QStringLiteral("Szamlaszam")};

QStringList valuesOf(const PartnerEntry &e)
{
    return {e.name, e.postalCode, e.settlement, e.street, e.phone, e.mobile, e.fax, e.email, e.taxNumber, e.bankAccount};
}

Refusal inUse()
{
    return Refusal::warning(QStringLiteral("A tétel nem törölhető!\rMás tábla már használja az adatot."));
}

Checked<bool> exists(QSqlDatabase db, const QString &table, const QString &field, const QString &id)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM \"%1\" WHERE \"%2\" = ?").arg(table, field));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return Checked<bool>::refused(WriteFailure::failed(query.lastError()));
    return Checked<bool>::accepted(query.value(0).toInt() > 0);
}

} // namespace

namespace Partners {

const BrowseSpec &browse()
{
    static const BrowseSpec spec = [] {
        BrowseSpec s{QStringLiteral("TfrmTallozasPartner"), QStringLiteral("Partnerek karbantartása"),
            QStringLiteral("Partner")};
        s.key = {QStringLiteral("PartAzon")};
        s.grid = {{QStringLiteral("Azonosító"), QStringLiteral("PartAzon")}, {QStringLiteral("Név"), QStringLiteral("Nev")},
            {QStringLiteral("Ir. szám"), QStringLiteral("Irszam")}, {QStringLiteral("Település"), QStringLiteral("Telepules")},
            {QStringLiteral("Utca, házszám"), QStringLiteral("Utca")}, {QStringLiteral("Telefonszám"), QStringLiteral("Telefon")},
            {QStringLiteral("Mobiltelefon"), QStringLiteral("Mobil")}, {QStringLiteral("FAX"), QStringLiteral("FAX")},
            {QStringLiteral("E-mail"), QStringLiteral("E-mail")}, {QStringLiteral("Adószám"), QStringLiteral("Adoszam")},
            {QStringLiteral("Számlaszám"), QStringLiteral("Szamlaszam")}};
        s.orders = {{QStringLiteral("Partner azonosító szerint rendez"), {{QStringLiteral("PartAzon")}}},
            {QStringLiteral("Név szerint rendez"), {{QStringLiteral("Nev"), true}}},
            {QStringLiteral("Irányítószám szerint rendez"), {{QStringLiteral("Irszam")}}},
            {QStringLiteral("Településnév, és irányítószám szerint rendez"),
                {{QStringLiteral("Telepules"), true}, {QStringLiteral("Irszam")}}}};
        s.searches = {{QStringLiteral("Partner azonosító"), QStringLiteral("PartAzon"), Match::CodeExact, 5, 99999,
                          SearchTexts::numbersOnly()},
            {QStringLiteral("Név"), QStringLiteral("Nev")},
            {QStringLiteral("Irányítószám"), QStringLiteral("Irszam"), Match::TextExact},
            {QStringLiteral("Település"), QStringLiteral("Telepules")}, {QStringLiteral("Utca, házszám"), QStringLiteral("Utca")},
            {QStringLiteral("Telefonszám"), QStringLiteral("Telefon")}, {QStringLiteral("Mobiltelefon"), QStringLiteral("Mobil")},
            {QStringLiteral("E-mail cím"), QStringLiteral("E-mail")}, {QStringLiteral("Adószám"), QStringLiteral("Adoszam")},
            {QStringLiteral("Számlaszám"), QStringLiteral("Szamlaszam")}};
        s.reportTitle = QStringLiteral("Partnerek listája");
        s.reportSelect = {QStringLiteral("\"PartAzon\""), QStringLiteral("\"Nev\""), QStringLiteral("\"Telefon\""),
            QStringLiteral("\"Mobil\""), QStringLiteral("\"Adoszam\""), QStringLiteral("\"Szamlaszam\""),
            QStringLiteral("COALESCE(\"Irszam\", '') || ' ' || COALESCE(\"Telepules\", '') || ', ' || "
                           "COALESCE(\"Utca\", '') AS \"TeljesCim\""),
            QStringLiteral("\"E-mail\""), QStringLiteral("\"FAX\""), QStringLiteral("\"Telepules\"")};
        s.report = {{QStringLiteral("Part. az."), QStringLiteral("PartAzon"), 13},
            {QStringLiteral("Név"), QStringLiteral("Nev"), 45}, {QStringLiteral("Telefon"), QStringLiteral("Telefon"), 22},
            {QStringLiteral("Mobil"), QStringLiteral("Mobil"), 22}, {QStringLiteral("Adószám"), QStringLiteral("Adoszam"), 22},
            {QStringLiteral("Számlaszám"), QStringLiteral("Szamlaszam"), 45},
            {QStringLiteral("Teljes cím"), QStringLiteral("TeljesCim"), 60},
            {QStringLiteral("e-mail cím"), QStringLiteral("E-mail"), 30}, {QStringLiteral("FAX"), QStringLiteral("FAX"), 22}};
        s.reportLandscape = true;
        s.csvName = QStringLiteral("Partner.csv");
        s.helpPage = QStringLiteral("tallozaspartner.htm");
        return s;
    }();
    return spec;
}

bool isFixed(const QString &id)
{
    return id == QLatin1String("00000") || id == QLatin1String("00001");
}

QString nextId(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    qint64 highest = -1;
    if (query.exec(QStringLiteral("SELECT \"PartAzon\" FROM \"Partner\""))) {
        while (query.next()) {
            bool ok = false;
            const qint64 id = query.value(0).toString().trimmed().toLongLong(&ok);
            if (ok && id > highest)
                highest = id;
        }
    }
    const qint64 next = highest + 1;
    return Codes::pad(Codes::Kind::Partner, next).value_or(QString::number(next));
}

Refusal checkFields(const PartnerEntry &e)
{
    struct Rule
    {
        const QString &value;
        int minimum;
        int maximum;
        const char *message;
        const char *focus;
    };
    const Rule rules[] = {
        {e.name, 2, 50, "A partnernév megadása kötelező!", "edtNev"},
        {e.postalCode, 4, 8, "Az irányítószám megadása kötelező!", "edtIrszam"},
        {e.settlement, 2, 20, "A település nevének megadása kötelező!", "edtTelepules"},
        {e.street, 2, 30, "Az utca. és házszám megadása kötelező!", "edtUtca"},
        {e.email, 0, 30, "", "edtEmail"},
    };
    for (const Rule &rule : rules) {
        const QString focus = QString::fromLatin1(rule.focus);
        if (rule.value.trimmed().size() < rule.minimum)
            return Refusal::error(QString::fromUtf8(rule.message), focus);
        if (rule.value.size() > rule.maximum)
            return Refusal::error(
                QStringLiteral("Túl hosszú értéket adott meg!\rLegfeljebb %1 karakter lehet.").arg(rule.maximum), focus);
        if (const Refusal unclean = NameText::check(rule.value, focus))
            return unclean;
    }
    return Refusal();
}

Refusal insert(QSqlDatabase db, const PartnerEntry &entry)
{
    const Checked<QString> id = Codes::pad(Codes::Kind::Partner, entry.id);
    if (!id.ok())
        return Refusal::error(QStringLiteral("Hibás azonosítót adott meg!\rA szám 0 és 99999 közötti lehet"),
            QStringLiteral("edtPartAzon"));
    const Refusal already = Refusal::error(
        QStringLiteral("A partner azonosító már létezik!\rMég nem létező számot adhat meg csak"),
        QStringLiteral("edtPartAzon"));
    const Checked<bool> before = exists(db, QStringLiteral("Partner"), QStringLiteral("PartAzon"), id.value);
    if (!before.ok())
        return before.refusal;
    if (before.value)
        return already;
    if (const Refusal refused = checkFields(entry))
        return refused;
    const WriteResult written = WriteTransaction::run(db, [&] {
        const Checked<bool> there = exists(db, QStringLiteral("Partner"), QStringLiteral("PartAzon"), id.value);
        if (!there.ok())
            return there.refusal;
        if (there.value)
            return already;
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO \"Partner\" (\"PartAzon\", \"Nev\", \"Irszam\", \"Telepules\", "
                                     "\"Utca\", \"Telefon\", \"Mobil\", \"FAX\", \"E-mail\", \"Adoszam\", "
                                     "\"Szamlaszam\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(id.value);
        for (const QString &value : valuesOf(entry))
            query.addBindValue(value);
        return query.exec() ? Refusal() : WriteFailure::failed(query.lastError());
    });
    if (written.ok())
        return Refusal();
    // A key that another computer took between the check and the insert reads as taken.
    const Checked<bool> after = exists(db, QStringLiteral("Partner"), QStringLiteral("PartAzon"), id.value);
    if (after.ok() && after.value)
        return already;
    return written.refusal;
}

Refusal checkModify(const QString &id)
{
    if (isFixed(id))
        return Refusal::warning(QStringLiteral("Ez a tétel nem módosítható!"));
    return Refusal();
}

Refusal update(QSqlDatabase db, const PartnerEntry &entry)
{
    if (const Refusal refused = checkModify(entry.id))
        return refused;
    if (const Refusal refused = checkFields(entry))
        return refused;
    return WriteTransaction::run(db, [&] {
        QStringList assignments;
        for (const QString &field : Fields)
            assignments << QStringLiteral("\"%1\" = ?").arg(field);
        QSqlQuery query(db);
        query.prepare(QStringLiteral("UPDATE \"Partner\" SET %1 WHERE \"PartAzon\" = ?").arg(assignments.join(QStringLiteral(", "))));
        for (const QString &value : valuesOf(entry))
            query.addBindValue(value);
        query.addBindValue(entry.id);
        return runRowUpdate(query);
    }).refusal;
}

Refusal checkDelete(QSqlDatabase db, const QString &id)
{
    if (isFixed(id))
        return inUse();
    const Checked<bool> used = exists(db, QStringLiteral("Raktar"), QStringLiteral("PartAzon"), id);
    if (!used.ok())
        return used.refusal;
    return used.value ? inUse() : Refusal();
}

Refusal remove(QSqlDatabase db, const QString &id)
{
    return WriteTransaction::run(db, [&] {
        if (const Refusal refused = checkDelete(db, id))
            return refused;
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM \"Partner\" WHERE \"PartAzon\" = ?"));
        query.addBindValue(id);
        if (!query.exec())
            return WriteFailure::failed(query.lastError());
        return Refusal();
    }).refusal;
}

PartnerEntry read(QSqlDatabase db, const QString &id)
{
    PartnerEntry entry;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT \"PartAzon\", \"%1\" FROM \"Partner\" WHERE \"PartAzon\" = ?")
                      .arg(Fields.join(QStringLiteral("\", \""))));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return entry;
    QString *targets[] = {&entry.id, &entry.name, &entry.postalCode, &entry.settlement, &entry.street, &entry.phone,
        &entry.mobile, &entry.fax, &entry.email, &entry.taxNumber, &entry.bankAccount};
    for (int i = 0; i < 11; ++i)
        *targets[i] = query.value(i).toString();
    return entry;
}

} // namespace Partners
