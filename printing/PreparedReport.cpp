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
        if (images.at(i).holds(image))
            return i;
    }
    images.append(image);
    return int(images.size()) - 1;
}

bool PreparedReport::operator==(const PreparedReport &other) const
{
    return jobTitle == other.jobTitle && pageSize == other.pageSize && fonts == other.fonts && pages == other.pages
        && images == other.images;
}
