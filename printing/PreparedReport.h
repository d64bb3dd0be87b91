#pragma once

#include "printing/PageItem.h"
#include "printing/ReportFont.h"
#include "printing/ReportPicture.h"

#include <QList>
#include <QSizeF>
#include <QString>

// A laid-out printout: its pages as drawing items, with the fonts and pictures they refer to.
// The same object is painted on the preview, sent to the printer, written as PDF and saved as a
// .qrp file.
struct PreparedReport
{
    struct Page
    {
        QList<PageItem> items;
        bool operator==(const Page &other) const = default;
    };

    QString jobTitle;
    QSizeF pageSize {210, 297}; // millimetres; wider than high means landscape
    QList<ReportFont> fonts;
    QList<ReportPicture> images;
    QList<Page> pages;

    // Index of the font in the table, added on first use.
    int fontIndex(const ReportFont &font);
    // Index of the picture in the table, added on first use (the same QImage is kept once).
    int imageIndex(const QImage &image);

    bool isLandscape() const { return pageSize.width() > pageSize.height(); }
    bool operator==(const PreparedReport &other) const;
};
