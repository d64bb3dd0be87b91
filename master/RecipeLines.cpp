#include "master/RecipeLines.h"

#include "core/Messenger.h"
#include "core/Rounding.h"
#include "master/RecipeHeader.h"
#include "master/WriteFailure.h"
#include "store/TransactionGuard.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace RecipeLines {

double per100(double typed, int portions)
{
    const int held = std::clamp(portions, 1, 100);
    return Rounding::round(100.0 / held * typed, 3);
}

Checked<qint64> add(QSqlDatabase db, const Line &line, int portions, const QDate &today)
{
    TransactionGuard guard(db);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") "
                                 "VALUES (?, ?, ?, ?) RETURNING \"ReceptAzon\""));
    query.addBindValue(line.code);
    query.addBindValue(line.account);
    query.addBindValue(line.registerNumber);
    query.addBindValue(per100(line.quantity, portions));
    if (!guard.isActive() || !query.exec() || !query.next())
        return Checked<qint64>::refused(WriteFailure::failed());
    const qint64 id = query.value(0).toLongLong();
    query.finish();
    if (!RecipeHeaders::touch(db, line.code, today) || !guard.commit())
        return Checked<qint64>::refused(WriteFailure::failed());
    return Checked<qint64>::accepted(id);
}

Refusal change(QSqlDatabase db, qint64 lineId, const Line &line, const QDate &today)
{
    TransactionGuard guard(db);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE \"Recept\" SET \"FokSzla\" = ?, \"NyilvSzam\" = ?, \"Mennyiseg\" = ? "
                                 "WHERE \"ReceptAzon\" = ?"));
    query.addBindValue(line.account);
    query.addBindValue(line.registerNumber);
    query.addBindValue(Rounding::round(line.quantity, 3));
    query.addBindValue(lineId);
    if (!guard.isActive() || !query.exec() || !RecipeHeaders::touch(db, line.code, today) || !guard.commit())
        return WriteFailure::failed();
    return Refusal();
}

bool removeAsked(QSqlDatabase db, Messenger &messenger, const QString &code, qint64 lineId, const QDate &today)
{
    if (lineId == 0) {
        Refusal::warning(QStringLiteral("Nincs kiválasztott adatsor!")).show(messenger);
        return false;
    }
    if (messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
            QStringLiteral("Valóban törli az anyagot?\rAz adat visszavonhatatlanul törlődik!"), QStringLiteral("Mégse"),
            QStringLiteral("OK"))
        != MsgResult::Ok)
        return false;

    TransactionGuard guard(db);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM \"Recept\" WHERE \"ReceptAzon\" = ?"));
    query.addBindValue(lineId);
    if (!guard.isActive() || !query.exec() || !RecipeHeaders::touch(db, code, today) || !guard.commit()) {
        WriteFailure::failed().show(messenger);
        return false;
    }
    return true;
}

} // namespace RecipeLines
