#include "printing/TextMeasure.h"

#include <QTextLayout>

namespace {
constexpr double MeasureDpi = 1200.0;
constexpr double PixelsPerMm = MeasureDpi / 25.4;
// Kerning moves a line's width by far less than this share: a text whose plain advances stay
// this far inside the width is one line without shaping it.
constexpr double SureFit = 0.97;
} // namespace

TextMeasure::TextMeasure()
    : m_device(1, 1, QImage::Format_ARGB32)
{
    const int dotsPerMeter = qRound(MeasureDpi / 0.0254);
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

TextMeasure::Entry &TextMeasure::entry(const ReportFont &font)
{
    const qsizetype found = m_keys.indexOf(font);
    if (found >= 0)
        return m_entries[size_t(found)];
    m_keys.append(font);
    Entry added;
    added.font = font.toQFont();
    added.metrics = std::make_unique<QFontMetricsF>(added.font, &m_device);
    added.advances.fill(-1);
    m_entries.push_back(std::move(added));
    return m_entries.back();
}

double TextMeasure::lineHeight(const ReportFont &font)
{
    return entry(font).metrics->lineSpacing() / PixelsPerMm;
}

double TextMeasure::width(const ReportFont &font, const QString &text)
{
    return entry(font).metrics->horizontalAdvance(text) / PixelsPerMm;
}

double TextMeasure::advanceSum(const ReportFont &font, const QString &text)
{
    Entry &e = entry(font);
    double sum = 0;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code > 0xff)
            return -1;
        double &advance = e.advances[code];
        if (advance < 0)
            advance = e.metrics->horizontalAdvance(c);
        sum += advance;
    }
    return sum / PixelsPerMm;
}

QStringList TextMeasure::breakLines(const ReportFont &font, const QString &text, double widthMm)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    plain.replace(QLatin1Char('\t'), QLatin1String("    "));
    const QStringList paragraphs = plain.split(QLatin1Char('\n'));

    Entry &e = entry(font);
    const double widthPx = widthMm * PixelsPerMm;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    QStringList lines;
    for (const QString &paragraph : paragraphs) {
        const double estimate = advanceSum(font, paragraph) * PixelsPerMm;
        if (paragraph.isEmpty() || (estimate >= 0 && estimate <= widthPx * SureFit)
            || e.metrics->horizontalAdvance(paragraph) <= widthPx) {
            lines.append(paragraph);
            continue;
        }
        QTextLayout layout(paragraph, e.font, &m_device);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(widthPx);
            QString piece = paragraph.mid(line.textStart(), line.textLength());
            while (piece.endsWith(QLatin1Char(' ')))
                piece.chop(1);
            lines.append(piece);
        }
        layout.endLayout();
    }
    return lines;
}
