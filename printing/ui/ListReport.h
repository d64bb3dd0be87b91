#pragma once

#include "printing/ui/Printout.h"

#include <QList>
#include <QString>
#include <QStringList>

class FilePrompt;
class Messenger;
class QAbstractItemModel;
class QWidget;
class ReportData;
class Settings;

// One column of a list printout. A zero width leaves the column out.
struct ListColumn
{
    QString caption;
    QString column;
    double width = 30; // millimetres
    Qt::Alignment alignment = Qt::AlignLeft;
    QString format; // numeric mask
    QString dateFormat; // date pattern for stored date text
    bool sum = false; // the summary shows the column's total
    QString pictureFolder; // the column holds picture file names in this folder
    QString sumFormat; // mask of the total ("###,###,##0.00 Ft"); empty: the column's own mask
    bool printValue = true; // false: the caption only, the column left empty to fill in by hand
    QString sumCaption; // printed before the total ("Készlet érték:"), which then takes a line of its own
};

// How a list printout differs from the browse screens' plain list.
struct ListReportOptions
{
    bool warehouseName = true; // the active warehouse's name in the header
    QStringList parameters; // the report's own lines under the header, one line each
    bool landscape = false;
    bool signatureFooter = true;
    bool rowCount = true; // "Sorok száma:" and the count in the summary
    bool firstParameterBold = false; // the first parameter line (a date, a material) in bold
    QStringList summaryLines; // the report's own lines at the end of the summary, one line each
};

// The list printout of the browse screens' "&Nyomtat" and of list-like reports: the standard
// page header (with the report's parameter lines under it) and the column captions under it on
// every page, one detail line per row, and the summary "Összesítés:" with the totals of the
// summed columns and "Sorok száma:" with the row count, followed by the signature footer.
//
// Building a printout:
//     Printout printout(settings, messenger);        // or a Tqrp... subclass owning its data
//     ModelReportData rows(model);                  // the rows as the grid shows them
//     ListReport::Options options;
//     options.parameters = {"Dátum: 2006.01.01 - 2006.03.31"};
//     ListReport::build(printout, "Anyagleltár", columns, &rows, options);
//     printout.report().summary().label(...);       // anything the report adds
//     printout.preview(parent, &filePrompt);        // printer check, footer question, preview
// A browse screen's "&Nyomtat" is the one call ListReport::print(settings, messenger, title,
// columns, model, this, &filePrompt).
class ListReport
{
public:
    using Options = ListReportOptions;

    // Defines the printout's bands over the rows. The columns share the page as ListColumnPlan
    // says: numbers, dates and codes keep room for their widest value and total, names and
    // captions wrap, and a list that does not fit prints smaller or landscape.
    static void build(Printout &printout, const QString &title, const QList<ListColumn> &columns,
        const ReportData *data, const Options &options);
    static void build(Printout &printout, const QString &title, const QList<ListColumn> &columns,
        const ReportData *data, bool signatureFooter = true);

    // Prints the rows of a browse screen's model in its current order: printer check, then the
    // preview (or the screen's previewer, which tests set). Returns whether the pages were shown.
    static bool print(const Settings &settings, Messenger &messenger, const QString &title,
        const QList<ListColumn> &columns, QAbstractItemModel *model, QWidget *parent, FilePrompt *prompt = nullptr,
        const ListReportOptions &options = {}, const Printout::Previewer &previewer = {});

    static constexpr double LineHeight = 5;
    static constexpr double PictureLineHeight = 9;
    static constexpr double ParameterLineHeight = 5;
    static constexpr double SummaryLineHeight = 5.5;
};
