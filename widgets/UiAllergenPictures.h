#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The allergen mark pictures of the program's Pictures folder, 32 × 32 on white: "A01.bmp" ..
// "A14.bmp" (a round badge with a pictogram per allergen group: gluten cereals, crustaceans, egg,
// fish, peanut, soy, milk, tree nuts, celery, mustard, sesame, sulphites, lupin, molluscs),
// "feher.bmp" (blank white) and "figyelem.bmp" (warning triangle: more marks than there is room
// for). They are painted in code (shapes only, no fonts), so every machine draws the same pixels;
// resources/Pictures holds the same pictures as BMP files.

// The 16 file names above, "A01.bmp" first.
QStringList allergenPictureNames();

// The picture of that file name (exact spelling); a null image for any other name.
QImage allergenPicture(const QString &fileName);
