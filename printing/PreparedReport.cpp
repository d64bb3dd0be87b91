#include "printing/PreparedReport.h"

int PreparedReport::fontIndex(const ReportFont &font)
{
    const int found = fonts.indexOf(font);
    if (found >= 0)
        return found;
    fonts.append(font);
    return int(fonts.size()) - 1;
}

int PreparedReport::imageIndex(const QImage &image)
{
    for (int i = 0; i < images.size(); ++i) {
        if (images.at(i).cacheKey() == image.cacheKey())
            return i;
    }
    images.append(image);
    return int(images.size()) - 1;
}

bool PreparedReport::operator==(const PreparedReport &other) const
{
    if (jobTitle != other.jobTitle || pageSize != other.pageSize || fonts != other.fonts || pages != other.pages
        || images.size() != other.images.size())
        return false;
    for (int i = 0; i < images.size(); ++i) {
        const QImage a = images.at(i).convertToFormat(QImage::Format_ARGB32);
        const QImage b = other.images.at(i).convertToFormat(QImage::Format_ARGB32);
        if (a != b)
            return false;
    }
    return true;
}
