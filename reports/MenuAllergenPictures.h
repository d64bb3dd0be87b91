#pragma once

#include <QString>
#include <QStringList>

// The eight allergen picture places of a printed dish line or weekly-menu cell.
namespace MenuAllergenPictures {

constexpr int Places = 8;
const QString Blank = QStringLiteral("feher.bmp");
const QString Warning = QStringLiteral("figyelem.bmp");

// The picture file names of the places for sorted marks: each mark, then blanks; with nine or
// more marks the first seven and the warning picture.
QStringList places(const QStringList &marks);

} // namespace MenuAllergenPictures
