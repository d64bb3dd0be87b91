#pragma once

#include "printing/PageRenderer.h"

#include <QWidget>

// The canvas of the preview: one page on a grey desk at the chosen scale.
class PreviewPage : public QWidget
{
    Q_OBJECT
public:
    PreviewPage(const PreparedReport &report, QWidget *parent = nullptr);

    int page() const { return m_page; }
    void setPage(int page);
    // Screen pixels per millimetre of paper.
    double pixelsPerMm() const { return m_pixelsPerMm; }
    void setPixelsPerMm(double pixelsPerMm);

    static constexpr int Desk = 12; // grey border around the paper, in pixels

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PreparedReport &m_report;
    PageRenderer m_renderer;
    int m_page = 0;
    double m_pixelsPerMm = 3;
};
