#include "PictureCompare.h"

#include <QtGlobal>

namespace PictureCompare {

QString picturesDir()
{
    return qEnvironmentVariable("SALVIA_SOURCE_DIR") + QStringLiteral("/resources/Pictures");
}

int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = qMax(largest, qAbs(qRed(p) - qRed(q)));
            largest = qMax(largest, qAbs(qGreen(p) - qGreen(q)));
            largest = qMax(largest, qAbs(qBlue(p) - qBlue(q)));
            largest = qMax(largest, qAbs(qAlpha(p) - qAlpha(q)));
        }
    }
    return largest;
}

} // namespace PictureCompare
