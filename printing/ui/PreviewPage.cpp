#include "printing/ui/PreviewPage.h"

#include <QPainter>

PreviewPage::PreviewPage(const PreparedReport &report, QWidget *parent)
    : QWidget(parent)
    , m_report(report)
    , m_renderer(report)
{
    setPixelsPerMm(m_pixelsPerMm);
}

void PreviewPage::setPage(int page)
{
    m_page = page;
    update();
}

void PreviewPage::setPixelsPerMm(double pixelsPerMm)
{
    m_pixelsPerMm = pixelsPerMm;
    const QSizeF paper = m_report.pageSize * m_pixelsPerMm;
    setFixedSize(qCeil(paper.width()) + 2 * Desk, qCeil(paper.height()) + 2 * Desk);
    update();
}

void PreviewPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    const QRectF paper(
        Desk, Desk, m_report.pageSize.width() * m_pixelsPerMm, m_report.pageSize.height() * m_pixelsPerMm);
    painter.fillRect(paper.translated(3, 3), QColor(0x50, 0x50, 0x50));
    painter.fillRect(paper, Qt::white);
    painter.setClipRect(paper);
    m_renderer.paint(painter, m_page, paper.topLeft(), m_pixelsPerMm);
}
