#include "printing/ui/ListReport.h"

#include "printing/ModelReportData.h"
#include "printing/TextMeasure.h"
#include "printing/ui/ListColumnPlan.h"

void ListReport::build(Printout &printout, const QString &title, const QList<ListColumn> &columns,
    const ReportData *data, bool signatureFooter)
{
    Options options;
    options.signatureFooter = signatureFooter;
    build(printout, title, columns, data, options);
}

void ListReport::build(Printout &printout, const QString &title, const QList<ListColumn> &columns,
    const ReportData *data, const Options &options)
{
    Report &report = printout.report();
    report.setData(data);
    TextMeasure measure;
    const QMarginsF margins = report.margins();
    const QSizeF page = report.pageSize();
    const QSizeF portrait(std::min(page.width(), page.height()), std::max(page.width(), page.height()));
    const ListColumnPlan plan
        = ListColumnPlan::make(columns, data, options.landscape, portrait, margins.left() + margins.right(), measure);
    report.setLandscape(plan.landscape);
    const double width = report.contentWidth();
    double below = printout.addStandardHeader(title, options.warehouseName);
    ReportBand &header = report.pageHeader();
    for (qsizetype i = 0; i < options.parameters.size(); ++i) {
        ReportElement &label = header.label(QRectF(0, below, width, ParameterLineHeight), options.parameters[i]);
        if (i == 0 && options.firstParameterBold)
            label.setBold();
        below += ParameterLineHeight;
    }
    header.setHeight(below + (options.parameters.isEmpty() ? 0 : 1));

    bool pictures = false;
    for (const ListColumn &column : columns)
        pictures = pictures || (!column.pictureFolder.isEmpty() && column.width > 0);
    const double lineHeight = pictures ? PictureLineHeight : LineHeight;

    // Captions too long for their column wrap between words; the caption band grows to hold them.
    ReportFont captionFont = report.baseFont();
    captionFont.bold = true;
    captionFont.pointSize = plan.pointSize;
    int captionLines = 1;
    for (int i = 0; i < columns.size(); ++i) {
        if (plan.widths[i] > 0)
            captionLines = std::max(captionLines,
                int(measure.breakLines(captionFont, columns[i].caption, std::max(0.0, plan.widths[i] - 1)).size()));
    }
    const double captionHeight = captionLines > 1 ? captionLines * measure.lineHeight(captionFont) : LineHeight;

    ReportBand &captions = report.columnHeader();
    captions.setHeight(captionHeight + 2);
    ReportBand &detail = report.detail();
    detail.setHeight(lineHeight);
    ReportBand &summary = report.summary();
    summary.line(QPointF(0, 0.5), QPointF(width, 0.5), 0.3);
    summary.label(QRectF(0, 2, 40, 5), QStringLiteral("Összesítés:")).setBold();
    // Totals with a caption stand one under the other, each caption ending where its column
    // starts; the others share the first line.
    double summaryY = 2;
    int captioned = 0;

    double x = 0;
    for (int i = 0; i < columns.size(); ++i) {
        const ListColumn &column = columns[i];
        const double w = plan.widths[i];
        if (w <= 0)
            continue;
        // A small gap keeps neighbouring columns apart.
        const QRectF cell(x + 0.5, 0, std::max(0.0, w - 1), LineHeight);
        const Qt::Alignment align = column.alignment | Qt::AlignVCenter;
        ReportElement &caption = captions.label(QRectF(cell.left(), 1, cell.width(), captionHeight), column.caption)
                                     .setBold()
                                     .setAlignment(align)
                                     .setWhole(false);
        if (captionLines > 1)
            caption.setWordWrap();
        if (column.printValue && !column.pictureFolder.isEmpty()) {
            detail
                .pictureField(
                    QRectF(cell.left(), 0.5, cell.width(), lineHeight - 1), column.column, column.pictureFolder)
                .setAlignment(align);
        } else if (column.printValue) {
            ReportElement &field
                = detail.field(QRectF(cell.left(), 0, cell.width(), lineHeight), column.column, column.format)
                      .setDateFormat(column.dateFormat)
                      .setAlignment(align);
            // Names wrap within their column instead of running into the next one.
            if (!plan.figures[i])
                field.setWordWrap();
            if (plan.pointSize != report.baseFont().pointSize)
                field.setFontSize(plan.pointSize);
        }
        if (plan.pointSize != report.baseFont().pointSize)
            caption.setFontSize(plan.pointSize);
        if (column.sum) {
            const QString mask = column.sumFormat.isEmpty() ? column.format : column.sumFormat;
            double y = 2;
            if (!column.sumCaption.isEmpty()) {
                y = 2 + captioned++ * SummaryLineHeight;
                summaryY = y;
                summary.label(QRectF(40, y, std::max(0.0, cell.left() - 41), LineHeight), column.sumCaption)
                    .setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            ReportElement &sum = summary.sum(cell.translated(0, y), column.column, mask).setBold().setAlignment(align);
            if (plan.pointSize != report.baseFont().pointSize)
                sum.setFontSize(plan.pointSize);
        }
        x += w;
    }
    captions.line(QPointF(0, captionHeight + 1.5), QPointF(width, captionHeight + 1.5), 0.3);
    double y = summaryY + 7;
    if (options.rowCount) {
        summary.label(QRectF(0, y, 40, 5), QStringLiteral("Sorok száma:"));
        summary.count(QRectF(40, y, 30, 5));
        y += SummaryLineHeight;
    }
    for (const QString &line : options.summaryLines) {
        summary.label(QRectF(0, y, width, 5), line);
        y += SummaryLineHeight;
    }
    summary.setHeight(std::max(17.0, y + 2.5));
    if (options.signatureFooter)
        printout.addSignatureFooter();
}

bool ListReport::print(const Settings &settings, Messenger &messenger, const QString &title,
    const QList<ListColumn> &columns, QAbstractItemModel *model, QWidget *parent, FilePrompt *prompt,
    const ListReportOptions &options, const Printout::Previewer &previewer)
{
    const ModelReportData data(model);
    Printout printout(settings, messenger);
    build(printout, title, columns, &data, options);
    if (previewer)
        printout.setPreviewer(previewer);
    return printout.preview(parent, prompt);
}
