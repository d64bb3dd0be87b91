#pragma once

#include "core/Refusal.h"

class QSqlError;

// The refusals of a write that the database itself turned down: the data stays as it was.
namespace WriteFailure {

// The write transaction could not start (another computer has been writing for too long).
Refusal busy();
// A statement, the start or the commit failed: its cause follows in Hungarian ("a lemez
// megtelt"); a transaction's failure is its guard's error().
Refusal failed(const QSqlError &error);
// A statement or the transaction around it failed: the statement's error when it has one,
// otherwise the transaction's.
Refusal failed(const QSqlError &statement, const QSqlError &transaction);
Refusal failed();
// The row was deleted by another computer meanwhile.
Refusal vanished();

} // namespace WriteFailure
