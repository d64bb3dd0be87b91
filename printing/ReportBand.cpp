#include "printing/ReportBand.h"

ReportBand::ReportBand(double height)
    : m_height(height)
{
}

ReportElement &ReportBand::add(ReportElement::Kind kind, const QRectF &rect)
{
    return m_elements.emplace_back(kind, rect);
}

ReportElement &ReportBand::label(const QRectF &rect, const QString &text)
{
    return add(ReportElement::Kind::Label, rect).setText(text);
}

ReportElement &ReportBand::field(const QRectF &rect, const QString &column, const QString &format)
{
    return add(ReportElement::Kind::Field, rect).setText(column).setFormat(format);
}

ReportElement &ReportBand::expression(const QRectF &rect, ReportElement::TextFunction text)
{
    return add(ReportElement::Kind::Expression, rect).setTextFunction(std::move(text));
}

ReportElement &ReportBand::sum(const QRectF &rect, const QString &column, const QString &format)
{
    return add(ReportElement::Kind::Sum, rect).setText(column).setFormat(format);
}

ReportElement &ReportBand::sum(const QRectF &rect, ReportElement::ValueFunction value, const QString &format)
{
    return add(ReportElement::Kind::Sum, rect).setValueFunction(std::move(value)).setFormat(format);
}

ReportElement &ReportBand::count(const QRectF &rect, const QString &column, const QString &format)
{
    return add(ReportElement::Kind::Count, rect).setText(column).setFormat(format);
}

ReportElement &ReportBand::system(const QRectF &rect, ReportElement::SystemField field)
{
    return add(ReportElement::Kind::System, rect).setSystemField(field);
}

ReportElement &ReportBand::picture(const QRectF &rect, const QImage &image)
{
    return add(ReportElement::Kind::Picture, rect).setImage(image);
}

ReportElement &ReportBand::pictureField(const QRectF &rect, const QString &column, const QString &folder)
{
    return add(ReportElement::Kind::PictureField, rect).setText(column).setFolder(folder);
}

ReportElement &ReportBand::pictureFile(const QRectF &rect, ReportElement::TextFunction fileName, const QString &folder)
{
    return add(ReportElement::Kind::PictureField, rect).setTextFunction(std::move(fileName)).setFolder(folder);
}

ReportElement &ReportBand::line(const QPointF &from, const QPointF &to, double width)
{
    return add(ReportElement::Kind::Line, QRectF(from, to)).setPenWidth(width);
}

ReportElement &ReportBand::rectangle(const QRectF &rect, double penWidth)
{
    return add(ReportElement::Kind::Rectangle, rect).setPenWidth(penWidth);
}

ReportBand &ReportBand::child()
{
    if (!m_child)
        m_child = std::make_unique<ReportBand>();
    return *m_child;
}

void ReportBand::setBackground(const QColor &color)
{
    if (!color.isValid()) {
        m_background = nullptr;
        return;
    }
    m_background = [color](const ReportContext &) { return color; };
}
