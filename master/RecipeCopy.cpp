#include "master/RecipeCopy.h"

#include "master/RecipeCodes.h"
#include "master/RecipeValues.h"
#include "master/RecipeWriteFailure.h"
#include "store/TransactionGuard.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace RecipeCopy {

// The name field holds 50 characters: a long name is cut so that the mark stays whole.
static constexpr int NameWidth = 50;

Refusal noCode()
{
    return Refusal::error(QStringLiteral("Nem generálható új azonosító!\rA másolás nem hajtható végre."));
}

Checked<QString> copy(
    QSqlDatabase db, const QString &from, const QString &typedCode, const QString &text, const QDate &today)
{
    const std::optional<QString> code = RecipeCodes::parse(typedCode);
    if (!code)
        return Checked<QString>::refused(noCode());

    TransactionGuard guard(db);
    if (!guard.isActive() || RecipeCodes::exists(db, *code))
        return Checked<QString>::refused(noCode());

    QStringList copied {QStringLiteral("\"Enorma\""), QStringLiteral("\"ValtAzon\""), QStringLiteral("\"Netto\""),
        QStringLiteral("\"Afa\""), QStringLiteral("\"HCukor\""), QStringLiteral("\"HSo\"")};
    for (const QString &field : RecipeValues::headerFields())
        copied << QStringLiteral("\"%1\"").arg(field);
    const QString columns = copied.join(QStringLiteral(", "));

    QSqlQuery name(db);
    name.prepare(QStringLiteral("SELECT \"Megnevezes\" FROM \"ReceptFej\" WHERE \"EtelKod\" = ?"));
    name.addBindValue(from);
    if (!name.exec() || !name.next())
        return Checked<QString>::refused(noCode());
    const QString mark = QStringLiteral("-Másolat");
    const QString newName = name.value(0).toString().left(NameWidth - mark.size()) + mark;
    name.finish();

    QSqlQuery header(db);
    header.prepare(QStringLiteral("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Leiras\", \"LetrDat\", ")
        + columns + QStringLiteral(") SELECT ?, ?, ?, ?, ") + columns
        + QStringLiteral(" FROM \"ReceptFej\" WHERE \"EtelKod\" = ?"));
    header.addBindValue(*code);
    header.addBindValue(newName);
    header.addBindValue(text);
    header.addBindValue(today);
    header.addBindValue(from);

    QSqlQuery lines(db);
    lines.prepare(QStringLiteral("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") "
                                 "SELECT ?, \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\" FROM \"Recept\" "
                                 "WHERE \"EtelKod\" = ? ORDER BY \"ReceptAzon\""));
    lines.addBindValue(*code);
    lines.addBindValue(from);

    if (!header.exec() || !lines.exec() || !guard.commit())
        return Checked<QString>::refused(RecipeWriteFailure::refusal());
    return Checked<QString>::accepted(*code);
}

} // namespace RecipeCopy
