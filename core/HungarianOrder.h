#pragma once

#include <QString>

struct UCollator;

// Hungarian alphabetical order of names (Alma, Cukor, Csiga, Élesztő, Őrölt fahéj, Zab): ICU's
// Hungarian collator, the very one the database connections order names by, never the
// machine's locale. Every list sorted by a name in C++ uses it.
namespace HungarianOrder {

// Negative, zero or positive as `left` sorts before, with or after `right`.
int compare(const QString &left, const QString &right);

// `left` sorts before `right`: a comparator for std::sort and std::stable_sort.
inline bool less(const QString &left, const QString &right)
{
    return compare(left, right) < 0;
}

// A new Hungarian collator, owned by the caller (ucol_close); null when ICU cannot build one.
UCollator *openCollator();

} // namespace HungarianOrder
