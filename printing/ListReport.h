#pragma once

#include <QList>
#include <QString>

class FilePrompt;
class Messenger;
class Printout;
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
    bool sum = false; // the summary shows the column's total (through the same mask)
    QString pictureFolder; // the column holds picture file names in this folder
};

// The list printout of the browse screens' "&Nyomtat": the standard page header with the
// column captions under it on every page, one detail line per row, and the summary
// "Összesítés:" with the totals of the summed columns and "Sorok száma:" with the row count,
// followed by the signature footer.
class ListReport
{
public:
    // Defines the printout's bands over the rows. Columns wider together than the page are
    // narrowed in proportion.
    static void build(Printout &printout, const QString &title, const QList<ListColumn> &columns,
        const ReportData *data, bool signatureFooter = true);

    // Prints the rows of a browse screen's model: printer check, then the preview.
    static void print(const Settings &settings, Messenger &messenger, const QString &title,
        const QList<ListColumn> &columns, QAbstractItemModel *model, QWidget *parent, FilePrompt *prompt = nullptr);

    static constexpr double LineHeight = 5;
    static constexpr double PictureLineHeight = 9;
};
