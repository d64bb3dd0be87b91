#pragma once

#include <QImage>
#include <QString>

// Helpers of the tests that compare pictures painted in code with the files shipped in Pictures/.
namespace PictureCompare {

// resources/Pictures of the source tree.
QString picturesDir();
// Largest difference of any channel (alpha included) over all pixels; antialiasing may vary by a
// step or two between Qt versions.
int largestDifference(const QImage &a, const QImage &b);

} // namespace PictureCompare
