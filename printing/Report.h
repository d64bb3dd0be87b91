#pragma once

#include "printing/ReportBand.h"
#include "printing/ReportFont.h"
#include "printing/ReportGroup.h"

#include <QDateTime>
#include <QMarginsF>
#include <QSizeF>
#include <deque>

class ReportData;

// The definition of a printout: page setup, bands and the rows to lay them out over.
// Defaults: A4 portrait, 10 mm margins, Arial 10 pt, print job title "Salvia nyomtatas", page
// header on the first page and page footer on the last page too, printed even without rows.
//
// Building a printout (a Tqrp... class derives from Printout, which owns a Report):
//  - setLandscape() first where the layout is wide: contentWidth() follows it;
//  - Printout::addStandardHeader(title) fills the page header and returns where the report's
//    own parameter lines go; raise pageHeader()'s height below them;
//  - columnHeader() holds the captions repeated under the header on every page; detail() one
//    row (field(), expression(), pictureField()/pictureFile()); addGroup(key) gives group
//    header and footer with sum()/count() over the group; summary() the report's totals;
//  - Printout::addSignatureFooter() as the summary's child; Printout::preview() runs the printer
//    check and shows the pages. The rows (ReportData) must outlive the printout.
// Positions are millimetres from the band's top left corner.
class Report
{
public:
    Report();
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    QString jobTitle() const { return m_jobTitle; }
    void setJobTitle(const QString &title) { m_jobTitle = title; }

    // Paper size in millimetres as it lies in portrait; landscape turns it.
    void setPaperSize(const QSizeF &millimetres) { m_paperSize = millimetres; }
    void setLandscape(bool landscape) { m_landscape = landscape; }
    bool isLandscape() const { return m_landscape; }
    QSizeF pageSize() const;
    QMarginsF margins() const { return m_margins; }
    void setMargins(const QMarginsF &millimetres) { m_margins = millimetres; }
    // Width between the left and right margins.
    double contentWidth() const;

    ReportFont baseFont() const { return m_baseFont; }
    void setBaseFont(const ReportFont &font) { m_baseFont = font; }

    const ReportData *data() const { return m_data; }
    void setData(const ReportData *data) { m_data = data; }

    // The moment the printout shows as its printing date and time; now unless set.
    QDateTime printTime() const { return m_printTime; }
    void setPrintTime(const QDateTime &time) { m_printTime = time; }

    ReportBand &pageHeader() { return m_pageHeader; }
    ReportBand &columnHeader() { return m_pageHeader.child(); }
    ReportBand &title() { return m_title; }
    ReportBand &detail() { return m_detail; }
    ReportBand &summary() { return m_summary; }
    ReportBand &summaryChild() { return m_summary.child(); }
    ReportBand &pageFooter() { return m_pageFooter; }
    // Groups from the outermost in; the returned reference stays valid.
    ReportGroup &addGroup(const QString &keyColumn);
    ReportGroup &addGroup(ReportGroup::KeyFunction key);
    std::deque<ReportGroup> &groups() { return m_groups; }

    bool pageHeaderOnFirstPage() const { return m_headerOnFirstPage; }
    void setPageHeaderOnFirstPage(bool on) { m_headerOnFirstPage = on; }
    bool pageFooterOnLastPage() const { return m_footerOnLastPage; }
    void setPageFooterOnLastPage(bool on) { m_footerOnLastPage = on; }

private:
    QString m_jobTitle;
    QSizeF m_paperSize {210, 297};
    bool m_landscape = false;
    QMarginsF m_margins {10, 10, 10, 10};
    ReportFont m_baseFont;
    const ReportData *m_data = nullptr;
    QDateTime m_printTime;
    ReportBand m_pageHeader;
    ReportBand m_title;
    ReportBand m_detail;
    ReportBand m_summary;
    ReportBand m_pageFooter;
    std::deque<ReportGroup> m_groups;
    bool m_headerOnFirstPage = true;
    bool m_footerOnLastPage = true;
};
