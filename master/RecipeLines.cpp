#include "master/RecipeLines.h"

#include "core/Rounding.h"
#include "master/Materials.h"
#include "master/RecipeHeader.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
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
    qint64 id = 0;
    const WriteResult written = WriteTransaction::run(db, [&] {
        if (const Refusal refusal = checkMaterial(db, line))
            return refusal;
        QString failure;
        id = Sql::insertReturningId(db, QStringLiteral("Recept"),
            {QStringLiteral("EtelKod"), QStringLiteral("FokSzla"), QStringLiteral("NyilvSzam"), QStringLiteral("Mennyiseg")},
            {line.code, line.account, line.registerNumber, per100(line.quantity, portions)}, QStringLiteral("ReceptAzon"),
            &failure);
        if (id < 0)
            return WriteFailure::failed(failure);
        return RecipeHeaders::touch(db, line.code, today);
    });
    if (!written.ok())
        return Checked<qint64>::refused(written.refusal);
    return Checked<qint64>::accepted(id);
}

Refusal change(QSqlDatabase db, qint64 lineId, const Line &line, const QDate &today)
{
    return WriteTransaction::run(db, [&] {
        if (const Refusal refusal = checkMaterial(db, line))
            return refusal;
        QSqlQuery query(db);
        query.prepare(QStringLiteral("UPDATE \"Recept\" SET \"FokSzla\" = ?, \"NyilvSzam\" = ?, \"Mennyiseg\" = ? "
                                     "WHERE \"ReceptAzon\" = ?"));
        query.addBindValue(line.account);
        query.addBindValue(line.registerNumber);
        query.addBindValue(line.quantity);
        query.addBindValue(lineId);
        if (!query.exec())
            return WriteFailure::failed(query.lastError());
        return RecipeHeaders::touch(db, line.code, today);
    }).refusal;
}

Refusal checkRemove(qint64 lineId)
{
    return lineId == 0 ? Refusal::warning(QStringLiteral("Nincs kiválasztott adatsor!")) : Refusal();
}

QString removeQuestion()
{
    return QStringLiteral("Valóban törli az anyagot?\rAz adat visszavonhatatlanul törlődik!");
}

Refusal remove(QSqlDatabase db, const QString &code, qint64 lineId, const QDate &today)
{
    return WriteTransaction::run(db, [&] {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM \"Recept\" WHERE \"ReceptAzon\" = ?"));
        query.addBindValue(lineId);
        if (!query.exec())
            return WriteFailure::failed(query.lastError());
        return RecipeHeaders::touch(db, code, today);
    }).refusal;
}

} // namespace RecipeLines
