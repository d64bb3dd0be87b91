#include "printing/ReportPicture.h"

#include <QBuffer>
#include <QImageReader>

ReportPicture::ReportPicture(const QImage &image)
    : m_image(image)
    , m_size(image.size())
{
}

ReportPicture ReportPicture::fromPng(const QByteArray &png, const QSize &size)
{
    ReportPicture picture;
    picture.m_png = png;
    picture.m_size = size;
    return picture;
}

QImage ReportPicture::image() const
{
    if (m_png.isEmpty())
        return m_image;
    QBuffer buffer;
    buffer.setData(m_png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    // The size was checked when the file was read; a PNG that claims another one now is not
    // decoded at all.
    if (reader.size() != m_size)
        return QImage();
    return reader.read();
}

QByteArray ReportPicture::png() const
{
    if (!m_png.isEmpty())
        return m_png;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    m_image.save(&buffer, "PNG");
    return data;
}

bool ReportPicture::holds(const QImage &image) const
{
    return m_png.isEmpty() && m_image.cacheKey() == image.cacheKey();
}

bool ReportPicture::operator==(const ReportPicture &other) const
{
    return m_size == other.m_size
        && image().convertToFormat(QImage::Format_ARGB32) == other.image().convertToFormat(QImage::Format_ARGB32);
}
