#include "printing/ui/PageOutput.h"

#include "printing/PageRenderer.h"
#include "printing/PreparedReport.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace PageOutput {

static QPageLayout layoutOf(const PreparedReport &report)
{
    const QSizeF size = report.pageSize;
    const QSizeF portrait = report.isLandscape() ? size.transposed() : size;
    QPageSize pageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(pageSize, report.isLandscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QString writePdf(const PreparedReport &report, const QString &path)
{
    const QString failed = QStringLiteral("A PDF fájl nem írható:\r") + path;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed;
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setTitle(report.jobTitle);
        writer.setCreator(QStringLiteral("Salvia"));
        writer.setPageLayout(layoutOf(report));
        QPainter painter;
        if (!painter.begin(&writer))
            return failed;
        const PageRenderer renderer(report);
        const double pixelsPerMm = writer.resolution() / 25.4;
        for (int page = 0; page < report.pages.size(); ++page) {
            if (page > 0)
                writer.newPage();
            renderer.paint(painter, page, QPointF(0, 0), pixelsPerMm);
        }
        painter.end();
    }
    if (!file.commit())
        return failed;
    return QString();
}

void setUpPrinter(const PreparedReport &report, QPrinter &printer)
{
    printer.setDocName(report.jobTitle);
    printer.setFullPage(true);
    printer.setPageLayout(layoutOf(report));
}

bool print(const PreparedReport &report, QPrinter &printer)
{
    printer.setFullPage(true);
    const int count = int(report.pages.size());
    int first = 1;
    int last = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PageRenderer renderer(report);
    const double pixelsPerMm = printer.resolution() / 25.4;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        renderer.paint(painter, page - 1, QPointF(0, 0), pixelsPerMm);
    }
    painter.end();
    return true;
}

} // namespace PageOutput
