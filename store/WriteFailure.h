#pragma once

#include "core/Refusal.h"

#include <QString>

class QSqlError;

// A statement that the database turned down, thrown inside a write or a walk over rows so that one
// catch ends the whole operation. `detail` is the cause in Hungarian, as EngineError::cause gives
// it ("a lemez megtelt").
struct DatabaseFailure
{
    QString detail;
};

// The messages of a database that turned a read or a write down, said once for every room.
namespace WriteFailure {

// A write that the database refused: the data stays as it was; its cause follows in Hungarian.
Refusal failed(const QString &cause);
Refusal failed(const QSqlError &error);
// A statement or the transaction around it failed: the statement's error when it has one,
// otherwise the transaction's.
Refusal failed(const QSqlError &statement, const QSqlError &transaction);
// Another computer holds the warehouse's write lock: nothing was written, try again.
Refusal busy();
// A read that the database refused: what was asked for is not shown.
Refusal readFailed(const QString &cause);
Refusal readFailed(const QSqlError &error);
// The row was deleted by another computer meanwhile.
Refusal vanished();

} // namespace WriteFailure
