#include "printing/ReportElement.h"

#include "printing/TextFit.h"

ReportElement::ReportElement(Kind kind, const QRectF &rect)
    : m_kind(kind)
    , m_rect(rect)
{
}

ReportElement &ReportElement::setText(const QString &text)
{
    m_text = text;
    return *this;
}

ReportElement &ReportElement::setFormat(const QString &mask)
{
    m_format = mask;
    return *this;
}

ReportElement &ReportElement::setDateFormat(const QString &pattern)
{
    m_dateFormat = pattern;
    return *this;
}

ReportElement &ReportElement::setWhole(bool whole)
{
    m_whole = whole;
    return *this;
}

bool ReportElement::isWhole(const QString &text) const
{
    return m_whole ? *m_whole : TextFit::isFigure(text);
}

ReportElement &ReportElement::setFontFamily(const QString &family)
{
    m_fontFamily = family;
    return *this;
}

ReportElement &ReportElement::setFontSize(double points)
{
    m_fontSize = points;
    return *this;
}

ReportElement &ReportElement::setBold(bool bold)
{
    m_bold = bold;
    return *this;
}

ReportElement &ReportElement::setItalic(bool italic)
{
    m_italic = italic;
    return *this;
}

ReportElement &ReportElement::setUnderline(bool underline)
{
    m_underline = underline;
    return *this;
}

ReportFont ReportElement::resolvedFont(const ReportFont &base) const
{
    ReportFont font = base;
    if (m_fontFamily)
        font.family = *m_fontFamily;
    if (m_fontSize)
        font.pointSize = *m_fontSize;
    if (m_bold)
        font.bold = *m_bold;
    if (m_italic)
        font.italic = *m_italic;
    if (m_underline)
        font.underline = *m_underline;
    return font;
}

ReportElement &ReportElement::setAlignment(Qt::Alignment alignment)
{
    if (!(alignment & Qt::AlignVertical_Mask))
        alignment |= Qt::AlignTop;
    if (!(alignment & Qt::AlignHorizontal_Mask))
        alignment |= Qt::AlignLeft;
    m_alignment = alignment;
    return *this;
}

ReportElement &ReportElement::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    return *this;
}

ReportElement &ReportElement::setColor(const QColor &color)
{
    m_color = color;
    return *this;
}

ReportElement &ReportElement::setFill(const QColor &fill)
{
    m_fill = fill;
    return *this;
}

ReportElement &ReportElement::setPenWidth(double millimetres)
{
    m_penWidth = millimetres;
    return *this;
}

ReportElement &ReportElement::setStretchToBand(bool stretch)
{
    m_stretchToBand = stretch;
    return *this;
}

ReportElement &ReportElement::setVisible(bool visible)
{
    m_visible = visible;
    return *this;
}

ReportElement &ReportElement::setImage(const QImage &image)
{
    m_image = image;
    return *this;
}

ReportElement &ReportElement::setKeepAspect(bool keep)
{
    m_keepAspect = keep;
    return *this;
}

ReportElement &ReportElement::setFolder(const QString &folder)
{
    m_folder = folder;
    return *this;
}

ReportElement &ReportElement::setRequired(bool required)
{
    m_required = required;
    return *this;
}

ReportElement &ReportElement::setSystemField(SystemField field)
{
    m_system = field;
    return *this;
}

ReportElement &ReportElement::setTextFunction(TextFunction function)
{
    m_textFunction = std::move(function);
    return *this;
}

ReportElement &ReportElement::setValueFunction(ValueFunction function)
{
    m_valueFunction = std::move(function);
    return *this;
}
