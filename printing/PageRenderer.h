#pragma once

#include "printing/PreparedReport.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPointF>

class QPainter;

// Paints prepared pages on any device: the preview, a printer, a PDF file. The pictures of the
// page being painted are decoded once and kept until a page without them is painted.
class PageRenderer
{
public:
    explicit PageRenderer(const PreparedReport &report);

    // Paints one page with the paper's top left corner at origin (device coordinates), at the
    // given number of device pixels per millimetre.
    void paint(QPainter &painter, int page, const QPointF &origin, double pixelsPerMm) const;

private:
    // The decoded pictures of `page`, reusing those of the page painted before.
    const QHash<qint32, QImage> &picturesOf(int page) const;

    const PreparedReport &m_report;
    QList<QFont> m_fonts;
    mutable QHash<qint32, QImage> m_pictures;
};
