#pragma once

#include "printing/PreparedReport.h"
#include "printing/ReportContext.h"
#include "printing/TextMeasure.h"

#include <QHash>
#include <deque>
#include <vector>

class Report;
class ReportBand;
class ReportElement;

// Lays a report out into pages: page header (with its child, the column header) at the top of
// every page, the title band once, group headers, one detail band per row, group footers with
// their totals, the summary and its child, and the page footer at the bottom of every page.
// A band never splits: one that does not fit below the last band goes to the next page.
// A number, date or code wider than its box prints in a font just small enough to fit.
class ReportLayout
{
public:
    // Runs the layout. The report's own functions (before-print conditions, computed texts)
    // are called in printing order as bands are placed. A required picture file that cannot be
    // read leaves its place empty and puts the message into `error` (the first such file).
    static PreparedReport prepare(Report &report, QString *error = nullptr);

private:
    explicit ReportLayout(Report &report);
    PreparedReport run();

    struct Total
    {
        double sum = 0;
        double compensation = 0; // keeps the low-order bits that plain double addition loses
        qint64 count = 0;
        void add(double value);
        double value() const { return sum + compensation; }
    };
    struct Slot
    {
        int column = -1;
        const ReportElement *function = nullptr;
    };
    struct Pending
    {
        const ReportElement *element;
        QString text;
        QStringList lines;
        int image;
        int font;
        double width; // a figure too wide even in the smallest font widens its box to this
    };

    void resolve(ReportBand &band);
    int slotFor(const ReportElement &element);
    void accumulate();
    std::vector<QVariant> groupKeys() const;
    void openGroup(int group, bool afterFirst);
    void closeGroup(int group);

    void startPage();
    void finishPage(bool last);
    void placeChain(ReportBand &band, int level, double keepSpace = 0, bool body = true);
    void placeBand(ReportBand &band, int level, double keepSpace, bool body);
    QString textOf(const ReportElement &element, int level) const;
    void fitFigure(Pending &entry);
    int pictureOf(const ReportElement &element);
    void emitItems(const ReportBand &band, const std::vector<Pending> &pending, double height);
    double chainHeight(ReportBand &band) const;

    Report &m_report;
    PreparedReport m_out;
    TextMeasure m_measure;
    ReportContext m_context;
    ReportFont m_baseFont;

    double m_left = 0;
    double m_top = 0;
    double m_contentWidth = 0;
    double m_footerTop = 0;
    double m_bodyBottom = 0;
    double m_y = 0;
    bool m_bodyOnPage = false;
    int m_rowCount = 0;

    std::vector<Slot> m_slots;
    std::vector<std::vector<Total>> m_totals; // [level][slot]; level 0 is the whole report
    std::vector<bool> m_groupOpen;
    std::vector<int> m_groupFirstRow;
    QString m_error;
    QHash<QString, int> m_pictures;
    QList<QPair<int, int>> m_pageCountItems; // page, item
    std::deque<std::vector<Pending>> m_pendingPool; // one buffer per nesting of page breaks
    int m_depth = 0;
};
