#pragma once

#include <QFont>
#include <QString>

// A font of a printout as the pages keep it: family, size in points and style. Converted to a
// QFont without hinting, so text measures the same on the preview, the printer and in a PDF.
struct ReportFont
{
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    QFont toQFont() const;
    bool operator==(const ReportFont &other) const = default;
};
