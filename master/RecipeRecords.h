#pragma once

#include "master/RecipeHeader.h"
#include "master/RecipeLines.h"

#include <QSqlDatabase>
#include <optional>

// The stored header and lines of a recipe, as the edit screens show them for a change.
namespace RecipeRecords {

std::optional<RecipeHeader> header(QSqlDatabase db, const QString &code);
// A line found by its ReceptAzon, its quantity for 100 portions.
std::optional<RecipeLines::Line> line(QSqlDatabase db, qint64 lineId);

} // namespace RecipeRecords
