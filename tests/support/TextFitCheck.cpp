#include "TextFitCheck.h"

#include "printing/TextFit.h"
#include "printing/TextMeasure.h"

namespace TextFitCheck {

namespace {

constexpr double Slack = 0.01;

// Where the glyphs of a text item lie: its measured width placed by its alignment, one line high.
QRectF extentOf(const PageItem &item, const ReportFont &font, TextMeasure &measure)
{
    const double width = measure.width(font, item.text);
    const double height = measure.lineHeight(font);
    double x = item.x;
    if (item.flags & Qt::AlignRight)
        x = item.x + item.w - width;
    else if (item.flags & Qt::AlignHCenter)
        x = item.x + (item.w - width) / 2;
    double y = item.y;
    if (item.flags & Qt::AlignBottom)
        y = item.y + item.h - height;
    else if (item.flags & Qt::AlignVCenter)
        y = item.y + (item.h - height) / 2;
    return QRectF(x, y, width, height);
}

} // namespace

QStringList figuresCut(const PreparedReport &report)
{
    TextMeasure measure;
    QStringList cut;
    for (int page = 0; page < report.pages.size(); ++page) {
        for (const PageItem &item : report.pages.at(page).items) {
            if (item.kind != PageItem::Text || !TextFit::isFigure(item.text))
                continue;
            const double width = measure.width(report.fonts.at(item.font), item.text);
            if (width > item.w + Slack)
                cut << QStringLiteral("page %1: %2 %3 mm in %4 mm")
                           .arg(page + 1)
                           .arg(item.text)
                           .arg(width, 0, 'f', 2)
                           .arg(item.w, 0, 'f', 2);
        }
    }
    return cut;
}

QStringList overlaps(const PreparedReport &report)
{
    TextMeasure measure;
    QStringList found;
    for (int page = 0; page < report.pages.size(); ++page) {
        QList<QPair<QRectF, QString>> placed;
        for (const PageItem &item : report.pages.at(page).items) {
            if (item.kind != PageItem::Text || item.text.trimmed().isEmpty())
                continue;
            // Glyphs reach a little into the line spacing; a fifth of the line may touch.
            QRectF extent = extentOf(item, report.fonts.at(item.font), measure);
            extent.adjust(0, extent.height() * 0.1, 0, -extent.height() * 0.1);
            for (const auto &[other, text] : std::as_const(placed)) {
                const QRectF common = extent.intersected(other);
                if (common.width() > Slack && common.height() > Slack)
                    found << QStringLiteral("page %1: \"%2\" over \"%3\"").arg(page + 1).arg(item.text, text);
            }
            placed.append({extent, item.text});
        }
    }
    return found;
}

} // namespace TextFitCheck
