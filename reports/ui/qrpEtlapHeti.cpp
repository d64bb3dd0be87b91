#include "reports/ui/qrpEtlapHeti.h"

#include "core/NumberFormat.h"
#include "reports/MenuAllergenPictures.h"
#include "session/Settings.h"

namespace {

const QStringList DayNames {QStringLiteral("Hétfő"), QStringLiteral("Kedd"), QStringLiteral("Szerda"),
    QStringLiteral("Csütörtök"), QStringLiteral("Péntek"), QStringLiteral("Szombat"), QStringLiteral("Vasárnap")};
const QString Header = QStringLiteral("37/2014 (IV.30) EMMI rendelet alapján a tápanyagértékek 1 adagra értendőek!");

constexpr double CaptionWidth = 30;
constexpr double SumLine = 3.2;
constexpr double SumPoints = 6;

QString number(double value, int decimals, const QString &unit)
{
    return NumberFormat::fixed(value, decimals) + unit;
}

// The sum lines of a cell: caption and value.
QList<QPair<QString, QString>> sumLines(const DishValues &s)
{
    return {{QStringLiteral("energia:"), number(s.kaloria, 0, QStringLiteral("KCal")) + QLatin1Char('/')
                    + number(s.energia, 0, QStringLiteral("KJ"))},
        {QStringLiteral("fehérje:"), number(s.feherje, 1, QStringLiteral("g"))},
        {QStringLiteral("zsír/telített zs.:"),
            number(s.zsir, 1, QStringLiteral("g")) + QLatin1Char('/') + number(s.zsirTe, 0, QStringLiteral("g"))},
        {QStringLiteral("szénhidrát:"), number(s.szenhidrat, 1, QStringLiteral("g"))},
        {QStringLiteral("cukor:"), number(s.cukor, 1, QStringLiteral("g"))},
        {QStringLiteral("só.:"), number(s.so, 2, QStringLiteral("g"))}};
}

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

    ReportBand &grid = report().summary();
    const double dayWidth = (width - CaptionWidth) / print.days;
    const double lineHeight = print.pointSize * 0.45 + 0.5;
    const double picture = qMin(7.0, (dayWidth - 1) / MenuAllergenPictures::Places);
    grid.label(QRectF(0, 0, CaptionWidth, 5), QStringLiteral("Étkezés")).setBold();
    for (int d = 0; d < print.days; ++d)
        grid.label(QRectF(CaptionWidth + d * dayWidth, 0, dayWidth, 5), DayNames.at(d)).setBold();
    y = 6;
    grid.line(QPointF(0, y - 0.5), QPointF(width, y - 0.5));
    for (const WeeklyMenuPrint::Row &row : print.rows) {
        if (row.caption.isEmpty())
            continue;
        int lines = 1;
        for (const WeeklyMenu::Cell &cell : row.cells)
            lines = qMax(lines, int(cell.lines.size()));
        const double sumsTop = y + lines * lineHeight + 1;
        const double rowHeight = sumsTop - y + 6 * SumLine + picture + 2;
        grid.label(QRectF(0, y + lineHeight, CaptionWidth - 1, lineHeight * 2), row.caption)
            .setBold()
            .setFontSize(print.pointSize)
            .setWordWrap();
        for (int d = 0; d < row.cells.size(); ++d) {
            const WeeklyMenu::Cell &cell = row.cells.at(d);
            const double x = CaptionWidth + d * dayWidth;
            for (int l = 0; l < cell.lines.size(); ++l)
                grid.label(QRectF(x, y + l * lineHeight, dayWidth - 1, lineHeight), QLatin1Char(' ') + cell.lines.at(l))
                    .setFontSize(print.pointSize);
            if (cell.lines.isEmpty())
                continue;
            const auto sums = sumLines(cell.sums);
            for (int s = 0; s < sums.size(); ++s) {
                const double top = sumsTop + s * SumLine;
                grid.label(QRectF(x, top, dayWidth * 0.45, SumLine), sums.at(s).first).setFontSize(SumPoints);
                grid.label(QRectF(x + dayWidth * 0.45, top, dayWidth * 0.55 - 1, SumLine), sums.at(s).second)
                    .setFontSize(s == 0 ? 4 : SumPoints);
            }
            if (cell.allergens.isEmpty())
                continue;
            const QStringList places = MenuAllergenPictures::places(cell.allergens);
            const double top = sumsTop + 6 * SumLine + 0.5;
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
