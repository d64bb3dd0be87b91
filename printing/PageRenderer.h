#pragma once

#include "printing/PreparedReport.h"

#include <QFont>
#include <QList>
#include <QPointF>

class QPainter;

// Paints prepared pages on any device: the preview, a printer, a PDF file.
class PageRenderer
{
public:
    explicit PageRenderer(const PreparedReport &report);

    // Paints one page with the paper's top left corner at origin (device coordinates), at the
    // given number of device pixels per millimetre.
    void paint(QPainter &painter, int page, const QPointF &origin, double pixelsPerMm) const;

private:
    const PreparedReport &m_report;
    QList<QFont> m_fonts;
};
