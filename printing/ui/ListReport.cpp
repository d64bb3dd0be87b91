#include "printing/ui/ListReport.h"

#include "printing/ModelReportData.h"

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
    report.setLandscape(options.landscape);
    const double width = report.contentWidth();
    double below = printout.addStandardHeader(title, options.warehouseName);
    ReportBand &header = report.pageHeader();
    for (const QString &line : options.parameters) {
        header.label(QRectF(0, below, width, ParameterLineHeight), line);
        below += ParameterLineHeight;
    }
    header.setHeight(below + (options.parameters.isEmpty() ? 0 : 1));

    double total = 0;
    bool pictures = false;
    for (const ListColumn &column : columns) {
        total += std::max(0.0, column.width);
        pictures = pictures || (!column.pictureFolder.isEmpty() && column.width > 0);
    }
    const double scale = total > width ? width / total : 1.0;
    const double lineHeight = pictures ? PictureLineHeight : LineHeight;

    ReportBand &captions = report.columnHeader();
    captions.setHeight(7);
    ReportBand &detail = report.detail();
    detail.setHeight(lineHeight);
    ReportBand &summary = report.summary();
    summary.setHeight(17);
    summary.line(QPointF(0, 0.5), QPointF(width, 0.5), 0.3);
    summary.label(QRectF(0, 2, 40, 5), QStringLiteral("Összesítés:")).setBold();

    double x = 0;
    for (const ListColumn &column : columns) {
        if (column.width <= 0)
            continue;
        const double w = column.width * scale;
        // A small gap keeps neighbouring columns apart.
        const QRectF cell(x + 0.5, 0, std::max(0.0, w - 1), LineHeight);
        const Qt::Alignment align = column.alignment | Qt::AlignVCenter;
        captions.label(cell.translated(0, 1), column.caption).setBold().setAlignment(align);
        if (column.printValue && !column.pictureFolder.isEmpty()) {
            detail
                .pictureField(
                    QRectF(cell.left(), 0.5, cell.width(), lineHeight - 1), column.column, column.pictureFolder)
                .setAlignment(align);
        } else if (column.printValue) {
            detail.field(QRectF(cell.left(), 0, cell.width(), lineHeight), column.column, column.format)
                .setDateFormat(column.dateFormat)
                .setAlignment(align);
        }
        if (column.sum) {
            const QString mask = column.sumFormat.isEmpty() ? column.format : column.sumFormat;
            summary.sum(cell.translated(0, 2), column.column, mask).setBold().setAlignment(align);
        }
        x += w;
    }
    captions.line(QPointF(0, 6.5), QPointF(width, 6.5), 0.3);
    if (options.rowCount) {
        summary.label(QRectF(0, 9, 40, 5), QStringLiteral("Sorok száma:"));
        summary.count(QRectF(40, 9, 30, 5));
    }
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
