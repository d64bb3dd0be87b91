#pragma once

#include "core/Refusal.h"

#include <QString>

// Names a user types or pastes into the master data (materials, partners, code tables, recipes):
// they end up on screens, printouts and export files, where a NUL, a line break or another control
// character, or half of a surrogate pair, breaks the line or the file.
namespace NameText {

// True when the text holds no control character (C0, DEL, C1) and no unpaired surrogate.
bool isClean(const QString &text);

// Refused with "Hibás értékadás!\rA megnevezés nem tartalmazhat vezérlőkaraktert!" and the
// focus on `focus` when the text is not clean.
Refusal check(const QString &text, const QString &focus);

} // namespace NameText
