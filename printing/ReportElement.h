#pragma once

#include "printing/ReportFont.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

class ReportContext;

// One element of a band: a text (label, data field, total, system value or computed text), a
// picture, a line or a rectangle. Positions are millimetres from the band's top left corner.
// Setters return the element so a layout reads as one statement per element.
class ReportElement
{
public:
    enum class Kind { Label, Field, Sum, Count, System, Expression, Picture, PictureField, Line, Rectangle };
    enum class SystemField { PageNumber, PageCount, Date, Time, DateTime };
    using TextFunction = std::function<QString(const ReportContext &)>;
    using ValueFunction = std::function<double(const ReportContext &)>;

    ReportElement(Kind kind, const QRectF &rect);

    Kind kind() const { return m_kind; }
    QRectF rect() const { return m_rect; }
    bool isText() const { return m_kind <= Kind::Expression; }

    // Label text; for a data field, sum, count or picture field the column name.
    QString text() const { return m_text; }
    ReportElement &setText(const QString &text);
    QString column() const { return m_text; }

    // Numeric mask ("###,###,##0.00 ", "0.##") for numbers, date pattern ("yyyy.MM.dd") for dates.
    QString format() const { return m_format; }
    ReportElement &setFormat(const QString &mask);
    QString dateFormat() const { return m_dateFormat; }
    ReportElement &setDateFormat(const QString &pattern);

    // Font: the report's base font with these changes.
    ReportElement &setFontFamily(const QString &family);
    ReportElement &setFontSize(double points);
    ReportElement &setBold(bool bold = true);
    ReportElement &setItalic(bool italic = true);
    ReportElement &setUnderline(bool underline = true);
    ReportFont resolvedFont(const ReportFont &base) const;

    Qt::Alignment alignment() const { return m_alignment; }
    ReportElement &setAlignment(Qt::Alignment alignment);
    // Breaks the text into lines at the element's width; the band grows to hold them. A text of
    // one line keeps its box and alignment.
    bool wordWrap() const { return m_wordWrap; }
    ReportElement &setWordWrap(bool wrap = true);
    // A number, date or code is printed whole: wider than its box, it prints in a smaller font.
    // Unless set, a text counts as one when it reads as a number, date or code.
    ReportElement &setWhole(bool whole = true);
    bool isWhole(const QString &text) const;

    QColor color() const { return m_color; }
    ReportElement &setColor(const QColor &color);
    QColor fill() const { return m_fill; }
    ReportElement &setFill(const QColor &fill);
    // Lines and frames, in millimetres; 0 leaves a rectangle without a frame.
    double penWidth() const { return m_penWidth; }
    ReportElement &setPenWidth(double millimetres);
    // Lines and rectangles reach down to the bottom of the band as it is printed.
    bool stretchToBand() const { return m_stretchToBand; }
    ReportElement &setStretchToBand(bool stretch = true);

    bool isVisible() const { return m_visible; }
    ReportElement &setVisible(bool visible);

    QImage image() const { return m_image; }
    ReportElement &setImage(const QImage &image);
    // Pictures keep their proportions inside the rectangle (placed by the alignment) unless off.
    bool keepAspect() const { return m_keepAspect; }
    ReportElement &setKeepAspect(bool keep);
    // Picture field: folder that the column's file names are relative to.
    QString folder() const { return m_folder; }
    ReportElement &setFolder(const QString &folder);
    // Picture field: every named file must exist; a missing one stops the printout (the layout
    // reports it). An empty name still leaves the place empty.
    bool isRequired() const { return m_required; }
    ReportElement &setRequired(bool required = true);

    SystemField systemField() const { return m_system; }
    ReportElement &setSystemField(SystemField field);
    // Computed text; for a picture field the file name computed per row instead of a column.
    const TextFunction &textFunction() const { return m_textFunction; }
    ReportElement &setTextFunction(TextFunction function);
    // Sum of a computed value instead of a column.
    const ValueFunction &valueFunction() const { return m_valueFunction; }
    ReportElement &setValueFunction(ValueFunction function);

private:
    friend class ReportLayout;

    Kind m_kind;
    QRectF m_rect;
    QString m_text;
    QString m_format;
    QString m_dateFormat;
    std::optional<QString> m_fontFamily;
    std::optional<double> m_fontSize;
    std::optional<bool> m_bold;
    std::optional<bool> m_italic;
    std::optional<bool> m_underline;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    bool m_wordWrap = false;
    std::optional<bool> m_whole;
    QColor m_color = Qt::black;
    QColor m_fill;
    double m_penWidth = 0.2;
    bool m_stretchToBand = false;
    bool m_visible = true;
    QImage m_image;
    bool m_keepAspect = true;
    QString m_folder;
    bool m_required = false;
    SystemField m_system = SystemField::PageNumber;
    TextFunction m_textFunction;
    ValueFunction m_valueFunction;

    // Filled by the layout before it starts: column index, total slot and font index.
    mutable int m_columnIndex = -1;
    mutable int m_slot = -1;
    mutable int m_fontIndex = 0;
};
