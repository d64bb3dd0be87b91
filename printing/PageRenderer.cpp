#include "printing/PageRenderer.h"

#include <QPaintDevice>
#include <QPainter>

PageRenderer::PageRenderer(const PreparedReport &report)
    : m_report(report)
{
    for (const ReportFont &font : report.fonts)
        m_fonts.append(font.toQFont());
}

const QHash<qint32, QImage> &PageRenderer::picturesOf(int page) const
{
    QHash<qint32, QImage> pictures;
    for (const PageItem &item : m_report.pages.at(page).items) {
        if (item.kind != PageItem::Picture || item.image < 0 || item.image >= m_report.images.size()
            || pictures.contains(item.image))
            continue;
        const auto kept = m_pictures.constFind(item.image);
        pictures.insert(item.image, kept != m_pictures.cend() ? *kept : m_report.images.at(item.image).image());
    }
    m_pictures = std::move(pictures);
    return m_pictures;
}

void PageRenderer::paint(QPainter &painter, int page, const QPointF &origin, double pixelsPerMm) const
{
    if (page < 0 || page >= m_report.pages.size())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);

    // A point size that comes out at the wanted physical size on this device at this scale.
    const double deviceDpmm = painter.device()->logicalDpiY() / 25.4;
    const double fontScale = pixelsPerMm / deviceDpmm;
    QList<QFont> fonts = m_fonts;
    for (int i = 0; i < fonts.size(); ++i)
        fonts[i].setPointSizeF(m_report.fonts.at(i).pointSize * fontScale);

    auto toDevice
        = [&](double x, double y) { return QPointF(origin.x() + x * pixelsPerMm, origin.y() + y * pixelsPerMm); };
    auto penOf = [&](const PageItem &item) {
        QPen pen(QColor::fromRgba(item.color));
        pen.setWidthF(std::max(1.0, item.penWidth / 100.0 * pixelsPerMm));
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    };

    const QHash<qint32, QImage> &pictures = picturesOf(page);
    int currentFont = -1;
    for (const PageItem &item : m_report.pages.at(page).items) {
        const QRectF rect(toDevice(item.x, item.y), QSizeF(item.w * pixelsPerMm, item.h * pixelsPerMm));
        switch (item.kind) {
        case PageItem::Text:
            if (item.fill >> 24)
                painter.fillRect(rect, QColor::fromRgba(item.fill));
            if (item.font < fonts.size() && item.font != currentFont) {
                painter.setFont(fonts.at(item.font));
                currentFont = item.font;
            }
            painter.setPen(QColor::fromRgba(item.color));
            painter.drawText(rect, item.flags, item.text);
            break;
        case PageItem::Line:
            painter.setPen(penOf(item));
            painter.drawLine(rect.topLeft(), rect.topLeft() + QPointF(rect.width(), rect.height()));
            break;
        case PageItem::Rect:
            painter.setPen(item.penWidth ? penOf(item) : QPen(Qt::NoPen));
            painter.setBrush(item.fill >> 24 ? QBrush(QColor::fromRgba(item.fill)) : QBrush(Qt::NoBrush));
            painter.drawRect(rect);
            painter.setBrush(Qt::NoBrush);
            break;
        case PageItem::Picture:
            if (pictures.contains(item.image))
                painter.drawImage(rect, pictures.value(item.image));
            break;
        }
    }
    painter.restore();
}
