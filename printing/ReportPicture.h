#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// A picture of prepared pages. The layout hands over a decoded image; a loaded .qrp file keeps
// only the PNG bytes and its size, and the picture is decoded when a page that shows it is
// painted, so a file's pictures never sit in memory all at once.
class ReportPicture
{
public:
    ReportPicture() = default;
    ReportPicture(const QImage &image); // implicit: the layout's pictures are plain images
    // The PNG bytes of a file with the size its header gave; the caller has checked both.
    static ReportPicture fromPng(const QByteArray &png, const QSize &size);

    QSize size() const { return m_size; }
    // The decoded picture; decodes the PNG bytes on each call when the picture came from a file,
    // and is null when they do not decode (the page then shows nothing in its place).
    QImage image() const;
    // The PNG bytes as a .qrp file keeps them.
    QByteArray png() const;
    // True when this is that very image (not a copy with the same pixels).
    bool holds(const QImage &image) const;

    bool operator==(const ReportPicture &other) const;

private:
    QImage m_image;
    QByteArray m_png;
    QSize m_size;
};
