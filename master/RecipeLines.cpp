#include "master/RecipeLines.h"

#include "core/Messenger.h"
#include "core/Rounding.h"
#include "master/Materials.h"
#include "master/RecipeHeader.h"
#include "master/WriteFailure.h"
#include "store/TransactionGuard.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace RecipeLines {

// A line must name a material of the chosen ledger account: a ledger account without materials
// (or a line whose stored account is gone) leaves the key empty, and such a row is neither shown
// nor deletable.
static Refusal checkMaterial(QSqlDatabase db, const Line &line)
{
    const Refusal missing
        = Refusal::error(QStringLiteral("Hibás értékadás!\rNem adott meg anyagnevet!"), QStringLiteral("dbcAnyag"));
    if (line.account.trimmed().isEmpty() || line.registerNumber.trimmed().isEmpty()
        || !Materials::read(db, line.account, line.registerNumber))
        return missing;
    return Refusal();
}

double per100(double typed, int portions)
{
    const int held = std::clamp(portions, 1, 100);
    return Rounding::round(100.0 / held * typed, 3);
}

Checked<qint64> add(QSqlDatabase db, const Line &line, int portions, const QDate &today)
{
    TransactionGuard guard(db);
    if (!guard.isActive())
        return Checked<qint64>::refused(WriteFailure::failed(guard.error()));
    if (const Refusal refusal = checkMaterial(db, line))
        return Checked<qint64>::refused(refusal);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") "
                                 "VALUES (?, ?, ?, ?) RETURNING \"ReceptAzon\""));
    query.addBindValue(line.code);
    query.addBindValue(line.account);
    query.addBindValue(line.registerNumber);
    query.addBindValue(per100(line.quantity, portions));
    if (!query.exec() || !query.next())
        return Checked<qint64>::refused(WriteFailure::failed(query.lastError()));
    const qint64 id = query.value(0).toLongLong();
    query.finish();
    if (!RecipeHeaders::touch(db, line.code, today) || !guard.commit())
        return Checked<qint64>::refused(WriteFailure::failed(guard.error()));
    return Checked<qint64>::accepted(id);
}

Refusal change(QSqlDatabase db, qint64 lineId, const Line &line, const QDate &today)
{
    TransactionGuard guard(db);
    if (!guard.isActive())
        return WriteFailure::failed(guard.error());
    if (const Refusal refusal = checkMaterial(db, line))
        return refusal;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE \"Recept\" SET \"FokSzla\" = ?, \"NyilvSzam\" = ?, \"Mennyiseg\" = ? "
                                 "WHERE \"ReceptAzon\" = ?"));
    query.addBindValue(line.account);
    query.addBindValue(line.registerNumber);
    query.addBindValue(line.quantity);
    query.addBindValue(lineId);
    if (!query.exec() || !RecipeHeaders::touch(db, line.code, today) || !guard.commit())
        return WriteFailure::failed(query.lastError(), guard.error());
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
        WriteFailure::failed(query.lastError(), guard.error()).show(messenger);
        return false;
    }
    return true;
}

} // namespace RecipeLines
