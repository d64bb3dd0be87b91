#include "store/WriteTransaction.h"

#include "store/EngineError.h"
#include "store/TransactionGuard.h"
#include "store/WriteFailure.h"

namespace WriteTransaction {

namespace {

// The guard's failure (start or commit): "busy" when another computer holds the lock.
WriteResult guardFailure(const TransactionGuard &guard)
{
    if (EngineError::kindOf(guard.error()) == EngineError::Kind::Busy)
        return WriteResult {WriteResult::State::Busy, WriteFailure::busy(), guard.errorText()};
    return WriteResult {WriteResult::State::Failed, WriteFailure::failed(guard.errorText()), guard.errorText()};
}

} // namespace

WriteResult run(QSqlDatabase db, const std::function<Refusal()> &body, int lockKey)
{
    TransactionGuard guard(db, lockKey);
    if (!guard.isActive())
        return guardFailure(guard);
    try {
        if (Refusal refusal = body(); !refusal.isNull())
            return WriteResult {WriteResult::State::Refused, std::move(refusal), QString()};
    } catch (const DatabaseFailure &failure) {
        return WriteResult {WriteResult::State::Failed, WriteFailure::failed(failure.detail), failure.detail};
    }
    if (!guard.commit())
        return guardFailure(guard);
    return WriteResult();
}

} // namespace WriteTransaction
