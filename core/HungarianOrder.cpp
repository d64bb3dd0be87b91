#include "core/HungarianOrder.h"

#include <unicode/ucol.h>

#include <memory>

namespace {

struct CollatorClose
{
    void operator()(UCollator *collator) const { ucol_close(collator); }
};

// One collator per thread: ICU collators are not to be shared between threads while comparing.
UCollator *threadCollator()
{
    thread_local const std::unique_ptr<UCollator, CollatorClose> collator(HungarianOrder::openCollator());
    return collator.get();
}

} // namespace

namespace HungarianOrder {

UCollator *openCollator()
{
    UErrorCode status = U_ZERO_ERROR;
    UCollator *collator = ucol_open("hu_HU", &status);
    if (U_FAILURE(status)) {
        ucol_close(collator);
        return nullptr;
    }
    return collator;
}

int compare(const QString &left, const QString &right)
{
    UCollator *collator = threadCollator();
    if (!collator)
        return QString::compare(left, right);
    const UCollationResult result = ucol_strcoll(collator, reinterpret_cast<const UChar *>(left.utf16()),
        int32_t(left.size()), reinterpret_cast<const UChar *>(right.utf16()), int32_t(right.size()));
    return result == UCOL_LESS ? -1 : result == UCOL_GREATER ? 1 : 0;
}

} // namespace HungarianOrder
