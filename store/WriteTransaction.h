#pragma once

#include "core/Refusal.h"

#include <QSqlDatabase>
#include <functional>

// How a write ended.
struct WriteResult
{
    enum class State {
        Written, // the body passed and the transaction committed
        Refused, // the body refused: its refusal, nothing written
        Busy, // another computer holds the write lock: nothing written, try again
        Failed, // the database turned a statement, the start or the commit down: nothing written
    };

    State state = State::Written;
    Refusal refusal; // null once written
    QString cause; // Busy, Failed: the database's reason in Hungarian, for a caller that words its own message

    bool ok() const { return state == State::Written; }
    // True when the database, not a check, stopped the write.
    bool failed() const { return state == State::Busy || state == State::Failed; }
};

// The one way a write runs: the transaction opens (store/TransactionGuard: the warehouse's write
// lock, or a savepoint inside an open write), the body runs, and the transaction commits when the
// body returns a null refusal; anything else rolls the whole body back. A statement in the body
// that throws DatabaseFailure ends it as a failure with that cause. No message is shown and no
// question asked in the body: the screen asks before, and shows the result after.
namespace WriteTransaction {

// `lockKey` as TransactionGuard takes it.
WriteResult run(QSqlDatabase db, const std::function<Refusal()> &body, int lockKey = -1);

} // namespace WriteTransaction
