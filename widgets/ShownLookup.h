#pragma once

#include "core/Refusal.h"

// What a screen fills from a look-up: its value, or, when the database refused the read, nothing
// after the refusal with its cause has been shown.
template <typename T> T shownLookup(const Checked<T> &looked, Messenger &messenger)
{
    if (!looked.ok())
        looked.refusal.show(messenger);
    return looked.value;
}
