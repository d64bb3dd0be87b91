#pragma once

#include "printing/ReportElement.h"

#include <deque>
#include <functional>
#include <memory>

// A band of a printout: a strip of the page width holding elements, printed whole (a page break
// never splits it). A band may have a child band that is printed right after it each time.
class ReportBand
{
public:
    using Condition = std::function<bool(const ReportContext &)>;
    using ColorFunction = std::function<QColor(const ReportContext &)>;
    using FontFunction = std::function<void(ReportFont &font, const ReportContext &)>;

    explicit ReportBand(double height = 0);
    ReportBand(const ReportBand &) = delete;
    ReportBand &operator=(const ReportBand &) = delete;

    double height() const { return m_height; }
    void setHeight(double millimetres) { m_height = millimetres; }
    // A disabled band prints neither itself nor its child.
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    // A band takes part in the layout once it has a height or an element.
    bool isUsed() const { return m_height > 0 || !m_elements.empty(); }

    ReportElement &label(const QRectF &rect, const QString &text);
    ReportElement &field(const QRectF &rect, const QString &column, const QString &format = QString());
    ReportElement &expression(const QRectF &rect, ReportElement::TextFunction text);
    // SUM over the rows of the band's scope: the group for a group band, else the whole report.
    ReportElement &sum(const QRectF &rect, const QString &column, const QString &format);
    ReportElement &sum(const QRectF &rect, ReportElement::ValueFunction value, const QString &format);
    // COUNT of the rows of the scope, or of its rows where the column is not empty.
    ReportElement &count(const QRectF &rect, const QString &column = QString(), const QString &format = QString());
    ReportElement &system(const QRectF &rect, ReportElement::SystemField field);
    ReportElement &picture(const QRectF &rect, const QImage &image);
    // A picture whose file name is the column's value, relative to the folder.
    ReportElement &pictureField(const QRectF &rect, const QString &column, const QString &folder);
    // A picture whose file name is computed for each printed row (empty: no picture), relative
    // to the folder; works in bands without a row too.
    ReportElement &pictureFile(const QRectF &rect, ReportElement::TextFunction fileName, const QString &folder);
    ReportElement &line(const QPointF &from, const QPointF &to, double width = 0.2);
    ReportElement &rectangle(const QRectF &rect, double penWidth = 0.2);

    std::deque<ReportElement> &elements() { return m_elements; }
    const std::deque<ReportElement> &elements() const { return m_elements; }

    // The child band, created on first use.
    ReportBand &child();
    ReportBand *childBand() const { return m_child.get(); }
    // The band goes to the next page unless its child bands (at their set heights) fit under it
    // too, so that a row and the lines printed under it stay on one page.
    bool keepsWithChild() const { return m_keepWithChild; }
    void setKeepWithChild(bool keep) { m_keepWithChild = keep; }

    // Asked each time before the band is printed; false skips it (and its child) this time.
    const Condition &beforePrint() const { return m_beforePrint; }
    void setBeforePrint(Condition condition) { m_beforePrint = std::move(condition); }
    // Background of the whole band, per printed row if a function is given.
    void setBackground(const QColor &color);
    void setBackground(ColorFunction color) { m_background = std::move(color); }
    const ColorFunction &background() const { return m_background; }
    // Changes the font of every text of the band for the row being printed (a total row in bold).
    void setFontFunction(FontFunction font) { m_font = std::move(font); }
    const FontFunction &fontFunction() const { return m_font; }

private:
    ReportElement &add(ReportElement::Kind kind, const QRectF &rect);

    double m_height;
    bool m_enabled = true;
    bool m_keepWithChild = false;
    std::deque<ReportElement> m_elements;
    std::unique_ptr<ReportBand> m_child;
    Condition m_beforePrint;
    ColorFunction m_background;
    FontFunction m_font;
};
