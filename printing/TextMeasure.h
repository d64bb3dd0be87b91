#pragma once

#include "printing/ReportFont.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <array>
#include <memory>

// Measures text in millimetres at a fixed high resolution with unhinted fonts, so a layout made
// here looks the same on every device the pages are painted on.
class TextMeasure
{
public:
    TextMeasure();

    double lineHeight(const ReportFont &font);
    double width(const ReportFont &font, const QString &text);
    // A quick estimate: the sum of the characters' own advances, without kerning or shaping;
    // -1 for a text with characters beyond Latin-1 (measure it with width()).
    double advanceSum(const ReportFont &font, const QString &text);
    // The text broken into lines no wider than the width: at its own line breaks, then between
    // words, and inside a word only when one word alone is wider.
    QStringList breakLines(const ReportFont &font, const QString &text, double widthMm);

private:
    struct Entry
    {
        QFont font;
        std::unique_ptr<QFontMetricsF> metrics;
        std::array<double, 256> advances; // in pixels; negative until measured
    };
    Entry &entry(const ReportFont &font);

    QImage m_device;
    QList<ReportFont> m_keys;
    std::vector<Entry> m_entries;
};
