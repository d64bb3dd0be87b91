#pragma once

#include "core/Refusal.h"

#include <QString>

// The refusal of a write that the database turned down (locked by another computer for too long,
// disk full, lost connection): the transaction was rolled back and nothing changed.
namespace RecipeWriteFailure {

Refusal refusal(const QString &detail = QString());

} // namespace RecipeWriteFailure
