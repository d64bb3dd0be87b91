#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// The message dialog's symbol pictures, 32 × 32 with a transparent background: "D1".."D9" the
// flat set, "D11".."D19" the shaded set of the same symbols (warning, error, information,
// question, smiling face, sad face, crossed-out key, stop sign, stopwatch). They are painted in
// code (shapes only, no fonts), so every machine draws the same pixels; resources/Pictures holds
// the same pictures as PNG files.

// True for "D1".."D9" and "D11".."D19".
bool isSymbolPicture(const QString &name);

// The picture of that name; a null image for any other name.
QImage symbolImage(const QString &name);
QPixmap symbolPicture(const QString &name);
