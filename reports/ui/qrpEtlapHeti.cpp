#include "reports/ui/qrpEtlapHeti.h"

#include "core/NumberFormat.h"
#include "printing/TextMeasure.h"
#include "reports/MenuAllergenPictures.h"
#include "session/Settings.h"

namespace {

const QStringList DayNames {QStringLiteral("Hétfő"), QStringLiteral("Kedd"), QStringLiteral("Szerda"),
    QStringLiteral("Csütörtök"), QStringLiteral("Péntek"), QStringLiteral("Szombat"), QStringLiteral("Vasárnap")};
const QString Header = QStringLiteral("37/2014 (IV.30) EMMI rendelet alapján a tápanyagértékek 1 adagra értendőek!");

constexpr double CaptionWidth = 30;
constexpr double SumLine = 3.2;
constexpr double SumPoints = 6;
constexpr double EnergyPoints = 4; // the kcal/kJ figure of the picture layout

QString number(double value, int decimals, const QString &unit)
{
    return NumberFormat::fixed(value, decimals) + unit;
}

struct SumText
{
    QString caption;
    QString value;
    double points = SumPoints;
};

// The sum lines of a cell: caption and value. The a-la-carte cells show whole numbers and kcal only.
QList<SumText> sumLines(const DishValues &s, bool aLaCarte)
{
    const QString g = QStringLiteral("g");
    if (aLaCarte)
        return {{QStringLiteral("energia:"), number(s.kaloria, 0, QStringLiteral("KCal"))},
            {QStringLiteral("fehérje:"), number(s.feherje, 0, g)},
            {QStringLiteral("zsír/telített zs.:"), number(s.zsir, 0, g) + QLatin1Char('/') + number(s.zsirTe, 0, g)},
            {QStringLiteral("szénhidrát:"), number(s.szenhidrat, 0, g)},
            {QStringLiteral("cukor:"), number(s.cukor, 0, g)},
            {QStringLiteral("só.:"), number(s.so, 0, g)}};
    return {{QStringLiteral("energia:"),
                number(s.kaloria, 0, QStringLiteral("KCal")) + QLatin1Char('/') + number(s.energia, 0, QStringLiteral("KJ")),
                EnergyPoints},
        {QStringLiteral("fehérje:"), number(s.feherje, 1, g)},
        {QStringLiteral("zsír/telített zs.:"), number(s.zsir, 1, g) + QLatin1Char('/') + number(s.zsirTe, 0, g)},
        {QStringLiteral("szénhidrát:"), number(s.szenhidrat, 1, g)},
        {QStringLiteral("cukor:"), number(s.cukor, 1, g)},
        {QStringLiteral("só.:"), number(s.so, 2, g)}};
}

QString markLine(const QString &caption, const QStringList &marks)
{
    return marks.isEmpty() ? caption : caption + QLatin1Char(' ') + WeeklyMenu::markText(marks);
}

// A cell as printed: its dish lines broken at the cell's width, its sums (each on the caption's
// line, or under it when too wide) and its allergen mark lines of the text layout.
struct CellPrint
{
    QStringList lines;
    QList<SumText> sums;
    QList<bool> sumUnder; // per sum: the value on a line of its own
    QStringList markLines;

    int sumLineCount() const { return int(sums.size() + sumUnder.count(true)); }
};

} // namespace

TqrpEtlapHeti::TqrpEtlapHeti(const Settings &settings, Messenger &messenger, const WeeklyMenuPrint &print)
    : Printout(settings, messenger)
{
    report().setLandscape(true);
    double y = addStandardHeader(print.title, false);
    ReportBand &header = report().pageHeader();
    const double width = report().contentWidth();
    header.label(QRectF(0, y, width, 5), print.week).setBold();
    header.label(QRectF(0, y + 5, width, 5), Header);
    header.setHeight(y + 11);

    TextMeasure measure;
    ReportFont cellFont = report().baseFont();
    cellFont.pointSize = print.pointSize;
    ReportFont captionFont = cellFont;
    captionFont.bold = true;
    ReportFont sumFont = report().baseFont();
    sumFont.pointSize = SumPoints;

    ReportBand &grid = report().summary();
    const double dayWidth = (width - CaptionWidth) / print.days;
    const double textWidth = dayWidth - 1;
    const double lineHeight = std::max(print.pointSize * 0.45 + 0.5, measure.lineHeight(cellFont));
    const double picture = qMin(7.0, textWidth / MenuAllergenPictures::Places);
    double sumCaptionWidth = 0;
    for (const SumText &sum : sumLines(DishValues(), print.textAllergens))
        sumCaptionWidth = std::max(sumCaptionWidth, measure.width(sumFont, sum.caption) + 1);
    const double sumValueWidth = textWidth - sumCaptionWidth;

    grid.label(QRectF(0, 0, CaptionWidth, 5), QStringLiteral("Étkezés")).setBold();
    for (int d = 0; d < print.days; ++d)
        grid.label(QRectF(CaptionWidth + d * dayWidth, 0, dayWidth, 5), DayNames.at(d)).setBold();
    y = 6;
    grid.line(QPointF(0, y - 0.5), QPointF(width, y - 0.5));
    for (const WeeklyMenuPrint::Row &row : print.rows) {
        if (row.caption.isEmpty())
            continue;
        QList<CellPrint> cells;
        int lines = 1;
        double below = 0; // sums and allergens under the dish lines
        for (const WeeklyMenu::Cell &cell : row.cells) {
            CellPrint printed;
            for (const QString &line : cell.lines)
                printed.lines << measure.breakLines(cellFont, QLatin1Char(' ') + line, textWidth);
            if (!cell.lines.isEmpty()) {
                printed.sums = sumLines(cell.sums, print.textAllergens);
                for (const SumText &sum : std::as_const(printed.sums)) {
                    ReportFont font = sumFont;
                    font.pointSize = sum.points;
                    printed.sumUnder << (measure.width(font, sum.value) > sumValueWidth);
                }
                if (print.textAllergens) {
                    printed.markLines << measure.breakLines(
                        sumFont, markLine(QStringLiteral("Allergén:"), cell.allergens), textWidth);
                    printed.markLines << measure.breakLines(
                        sumFont, markLine(QStringLiteral("Tartalmazhat:"), cell.mayContain), textWidth);
                }
                const double marks = print.textAllergens ? printed.markLines.size() * SumLine : picture;
                below = std::max(below, printed.sumLineCount() * SumLine + marks);
            }
            lines = std::max(lines, int(printed.lines.size()));
            cells << printed;
        }
        const QStringList caption = measure.breakLines(captionFont, row.caption, CaptionWidth - 1);
        const double sumsTop = y + lines * lineHeight + 1;
        const double rowHeight = std::max(sumsTop - y + below + 2, (caption.size() + 1) * lineHeight + 1);
        for (int l = 0; l < caption.size(); ++l)
            grid.label(QRectF(0, y + (l + 1) * lineHeight, CaptionWidth - 1, lineHeight), caption.at(l))
                .setBold()
                .setFontSize(print.pointSize);
        for (int d = 0; d < cells.size(); ++d) {
            const CellPrint &cell = cells.at(d);
            const double x = CaptionWidth + d * dayWidth;
            for (int l = 0; l < cell.lines.size(); ++l)
                grid.label(QRectF(x, y + l * lineHeight, textWidth, lineHeight), cell.lines.at(l))
                    .setFontSize(print.pointSize);
            if (cell.sums.isEmpty())
                continue;
            double top = sumsTop;
            for (int s = 0; s < cell.sums.size(); ++s) {
                const SumText &sum = cell.sums.at(s);
                grid.label(QRectF(x, top, sumCaptionWidth, SumLine), sum.caption).setFontSize(SumPoints);
                if (cell.sumUnder.at(s)) {
                    top += SumLine;
                    grid.label(QRectF(x, top, textWidth, SumLine), sum.value).setFontSize(sum.points);
                } else {
                    grid.label(QRectF(x + sumCaptionWidth, top, sumValueWidth, SumLine), sum.value)
                        .setFontSize(sum.points);
                }
                top += SumLine;
            }
            if (print.textAllergens) {
                for (const QString &line : cell.markLines) {
                    grid.label(QRectF(x, top, textWidth, SumLine), line).setFontSize(SumPoints);
                    top += SumLine;
                }
                continue;
            }
            const WeeklyMenu::Cell &source = row.cells.at(d);
            if (source.allergens.isEmpty())
                continue;
            const QStringList places = MenuAllergenPictures::places(source.allergens);
            top += 0.5;
            for (int p = 0; p < places.size(); ++p) {
                if (places.at(p) == MenuAllergenPictures::Blank)
                    continue;
                grid.pictureFile(QRectF(x + p * picture, top, picture - 0.3, picture - 0.3),
                        [name = places.at(p)](const ReportContext &) { return name; }, print.picturesFolder)
                    .setRequired();
            }
        }
        y += rowHeight;
        grid.line(QPointF(0, y - 0.5), QPointF(width, y - 0.5));
    }
    grid.label(QRectF(0, y + 1, width, 4), settings.footerWeekly()).setFontSize(6).setWordWrap();
    grid.setHeight(y + 6);
}
