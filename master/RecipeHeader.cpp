#include "master/RecipeHeader.h"

#include "core/NameText.h"
#include "master/RecipeCodes.h"
#include "store/WriteFailure.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace RecipeHeaders {

static Refusal checkName(const QString &name)
{
    if (name.trimmed().size() < 3)
        return Refusal::error(QStringLiteral("A receptnevet kötelező megadni!"), QStringLiteral("edtMegnevezes"));
    return NameText::check(name, QStringLiteral("edtMegnevezes"));
}

Checked<QString> add(QSqlDatabase db, const RecipeHeader &header, const QDate &today)
{
    const std::optional<QString> code = RecipeCodes::parse(header.code);
    if (!code)
        return Checked<QString>::refused(
            Refusal::error(QStringLiteral("Az azonosító értéke hibás!\rCsak 0 és 9999 közötti értéket adhat meg!"),
                QStringLiteral("edtEtelKod")));

    const WriteResult written = WriteTransaction::run(db, [&] {
        if (RecipeCodes::exists(db, *code))
            return Refusal::error(
                QStringLiteral("Az azonosító már létezik!\rVálasszon más azonosítót!"), QStringLiteral("edtEtelKod"));
        if (const Refusal refusal = checkName(header.name))
            return refusal;
        QSqlQuery query(db);
        query.prepare(QStringLiteral(
            "INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Enorma\", \"Leiras\", \"LetrDat\", \"ValtAzon\", "
            "\"Netto\", \"Afa\") VALUES (?, ?, ?, ?, ?, ?, 0, 0)"));
        query.addBindValue(*code);
        query.addBindValue(header.name.trimmed());
        query.addBindValue(header.norm);
        query.addBindValue(header.text);
        query.addBindValue(Sql::date(today));
        query.addBindValue(header.variety);
        return query.exec() ? Refusal() : WriteFailure::failed(query.lastError());
    });
    if (!written.ok())
        return Checked<QString>::refused(written.refusal);
    return Checked<QString>::accepted(*code);
}

Refusal change(QSqlDatabase db, const RecipeHeader &header, const QDate &today)
{
    if (const Refusal refusal = checkName(header.name))
        return refusal;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE \"ReceptFej\" SET \"Megnevezes\" = ?, \"Enorma\" = ?, \"Leiras\" = ?, "
                                 "\"ModDat\" = ?, \"ValtAzon\" = ? WHERE \"EtelKod\" = ?"));
    query.addBindValue(header.name.trimmed());
    query.addBindValue(header.norm);
    query.addBindValue(header.text);
    query.addBindValue(Sql::date(today));
    query.addBindValue(header.variety);
    query.addBindValue(header.code);
    if (!query.exec())
        return WriteFailure::failed(query.lastError());
    return Refusal();
}

Refusal touch(QSqlDatabase db, const QString &code, const QDate &today)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE \"ReceptFej\" SET \"ModDat\" = ? WHERE \"EtelKod\" = ?"));
    query.addBindValue(Sql::date(today));
    query.addBindValue(code);
    return query.exec() ? Refusal() : WriteFailure::failed(query.lastError());
}

} // namespace RecipeHeaders
