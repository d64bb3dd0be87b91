#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

// Recipe codes: four digits "0000".."9999", typed as a number.
namespace RecipeCodes {

// The padded code of a typed integer 0..9999; none for anything else.
std::optional<QString> parse(const QString &typed);

bool exists(QSqlDatabase db, const QString &code);

// The code offered for a new recipe: the highest code plus one ("0001" on an empty table), empty
// when the highest is 9999.
QString proposeNew(QSqlDatabase db);

// The lowest code from "0000" upward that no recipe uses (offered for a copy); empty when every
// code is taken.
QString lowestFree(QSqlDatabase db);

} // namespace RecipeCodes
