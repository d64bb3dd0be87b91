#include "master/RecipeDeletion.h"

#include "core/Messenger.h"
#include "core/Refusal.h"
#include "store/WriteFailure.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace RecipeDeletion {

static const char *const RecipeAccount = "1000";

bool isUsed(QSqlDatabase db, const QString &code)
{
    static const char *const statements[] = {
        "SELECT COUNT(*) FROM \"Etlap\" WHERE \"FokSzam\" = ? AND \"EtelKod\" = ?",
        "SELECT COUNT(*) FROM \"CartEtlap\" WHERE \"FokSzam\" = ? AND \"Etelkod\" = ?",
        "SELECT COUNT(*) FROM \"CartBear\" WHERE \"Fokszam\" = ? AND \"Etelkod\" = ?",
    };
    for (const char *sql : statements) {
        QSqlQuery query(db);
        query.prepare(QString::fromLatin1(sql));
        query.addBindValue(QString::fromLatin1(RecipeAccount));
        query.addBindValue(code);
        // A table that cannot be read counts as using the recipe: never delete blind.
        if (!query.exec() || !query.next() || query.value(0).toInt() > 0)
            return true;
    }
    return false;
}

static bool ask(Messenger &messenger, const QString &text)
{
    return messenger.showMessage(
               QStringLiteral("Figyelmeztetés"), Symbol::Warning, text, QStringLiteral("Mégse"), QStringLiteral("OK"))
        == MsgResult::Ok;
}

static Outcome discontinue(QSqlDatabase db, Messenger &messenger, const QString &code, const QDate &today)
{
    if (!ask(messenger,
            QStringLiteral("A receptet használja az étlap, így nem törölhető Beállítsam a megszüntetés dátumát?")))
        return Outcome::Nothing;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE \"ReceptFej\" SET \"EndDat\" = ? WHERE \"EtelKod\" = ?"));
    query.addBindValue(Sql::date(today));
    query.addBindValue(code);
    if (!query.exec()) {
        WriteFailure::failed(query.lastError()).show(messenger);
        return Outcome::Nothing;
    }
    return Outcome::Discontinued;
}

Outcome run(QSqlDatabase db, Messenger &messenger, const QString &code, const QDate &today)
{
    if (code.isEmpty()) {
        Refusal::warning(QStringLiteral("Nincs kiválasztott adatsor!")).show(messenger);
        return Outcome::Nothing;
    }
    if (isUsed(db, code))
        return discontinue(db, messenger, code, today);
    if (!ask(messenger, QStringLiteral("Valóban törli a receptet?\rAz adat visszavonhatatlanul törlődik!")))
        return Outcome::Nothing;
    bool used = false;
    const WriteResult written = WriteTransaction::run(db, [&] {
        used = isUsed(db, code);
        if (used)
            return Refusal();
        for (const char *sql :
            {"DELETE FROM \"Recept\" WHERE \"EtelKod\" = ?", "DELETE FROM \"ReceptFej\" WHERE \"EtelKod\" = ?"}) {
            QSqlQuery query(db);
            query.prepare(QString::fromLatin1(sql));
            query.addBindValue(code);
            if (!query.exec())
                return WriteFailure::failed(query.lastError());
        }
        return Refusal();
    });
    if (!written.ok()) {
        written.refusal.show(messenger);
        return Outcome::Nothing;
    }
    // A menu that took the recipe up since the question leaves it only to be discontinued.
    return used ? discontinue(db, messenger, code, today) : Outcome::Deleted;
}

} // namespace RecipeDeletion
