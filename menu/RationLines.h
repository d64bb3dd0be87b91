#pragma once

#include "menu/RationInput.h"
#include "menu/RationTypes.h"

#include <QHash>
#include <QList>

// The detail lines of a menu: one line per material dish (quantity per person x headcount) and
// one per ingredient of a recipe dish ((quantity per 100 portions / 100) x headcount x portions
// per person), each the exact decimal of its factors (RationQuantity). The same material in
// several dishes gives several lines; nothing is rounded to the material's decimals and nothing
// priced here. A recipe without ingredient rows gives no line.
namespace RationLines {

QList<RationLine> compute(
    const QList<RationMenuRow> &rows, const QHash<QString, QList<RationInput::Ingredient>> &ingredients);

// The norm frame: each meal's Norma x headcount once per day, however many lines it has.
Money normFrame(const QList<RationLine> &lines);
// The value of all lines.
Money value(const QList<RationLine> &lines);

} // namespace RationLines
