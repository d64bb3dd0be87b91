#include "printing/ui/ListColumnPlan.h"

#include "printing/ReportData.h"
#include "printing/TextFit.h"
#include "printing/TextMeasure.h"
#include "printing/ValueFormat.h"

#include <QSet>
#include <cmath>

namespace {

// Room beside a cell's text: the half millimetre on either side of every cell.
constexpr double CellGap = 1.0;
// Slack for widths that scale with the font size.
constexpr double ScaleSlack = 1.02;
// A text column is not narrowed below this (or its designed width, when smaller).
constexpr double NarrowestText = 20;
constexpr double BaseSize = 10;

struct Need
{
    double designed = 0;
    bool figures = false;
    double widest = 0; // widest value or total at the base size, gap included
    double captionWord = 0; // widest word of the caption at the base size, gap included
};

// The width of every figure of the column: digits share one width in the printing fonts, so
// texts of the same shape (digits replaced by 0) measure alike and each shape is measured once.
double widestOf(const QSet<QString> &shapes, const ReportFont &font, TextMeasure &measure)
{
    double widest = 0;
    for (const QString &shape : shapes)
        widest = std::max(widest, measure.width(font, shape));
    return widest;
}

QString shapeOf(QString text)
{
    for (QChar &c : text) {
        if (c.isDigit())
            c = QLatin1Char('0');
    }
    return text;
}

Need needOf(const ListColumn &column, const ReportData *data, TextMeasure &measure)
{
    Need need;
    need.designed = column.width;
    ReportFont bold;
    bold.bold = true;
    for (const QString &word : column.caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        need.captionWord = std::max(need.captionWord, measure.width(bold, word) + CellGap);

    const int index
        = data && column.printValue && column.pictureFolder.isEmpty() ? data->columnIndex(column.column) : -1;
    if (index < 0)
        return need;
    const bool formatted = !column.format.isEmpty() || !column.dateFormat.isEmpty();
    // Under a mask with fixed decimals the number of largest magnitude prints widest (with its
    // sign, when any number is negative): only that one needs formatting.
    const qsizetype point = column.format.indexOf(QLatin1Char('.'));
    const bool fixedDecimals
        = !column.format.isEmpty() && (point < 0 || !column.format.mid(point).contains(QLatin1Char('#')));
    double largest = 0;
    bool negative = false;
    QSet<QString> shapes;
    double sum = 0;
    bool any = false;
    for (int row = 0; row < data->rowCount(); ++row) {
        const QVariant value = data->value(row, index);
        const int type = value.metaType().id();
        if (fixedDecimals && (type == QMetaType::Double || type == QMetaType::Int || type == QMetaType::LongLong)) {
            const double number = value.toDouble();
            largest = std::max(largest, std::fabs(number));
            negative = negative || number < 0;
            sum += number;
            any = true;
            continue;
        }
        const QString text = ValueFormat::text(value, column.format, column.dateFormat);
        if (text.isEmpty())
            continue;
        if (!formatted && !TextFit::isFigure(text))
            return need;
        shapes.insert(shapeOf(text));
        sum += value.toDouble();
        any = true;
    }
    if (any)
        shapes.insert(shapeOf(ValueFormat::number(column.format, negative ? -largest : largest)));
    need.figures = any || formatted;
    need.widest = widestOf(shapes, ReportFont(), measure);
    if (column.sum) {
        const QString mask = column.sumFormat.isEmpty() ? column.format : column.sumFormat;
        need.widest = std::max(need.widest, measure.width(bold, ValueFormat::text(QVariant(sum), mask, QString())));
    }
    need.widest += CellGap;
    return need;
}

double narrowest(const Need &need, double factor)
{
    if (need.figures)
        return std::max(need.widest, need.captionWord) * factor;
    return std::max(need.captionWord * factor, std::min(need.designed, NarrowestText));
}

// Takes `excess` millimetres from the columns chosen by `from`, each in proportion to its room
// above its narrowest width. Returns what could not be taken.
double take(QList<double> &widths, const QList<double> &floor, const QList<bool> &from, double excess)
{
    double room = 0;
    for (int i = 0; i < widths.size(); ++i) {
        if (from[i])
            room += std::max(0.0, widths[i] - floor[i]);
    }
    if (room <= 0 || excess <= 0)
        return excess;
    const double share = std::min(1.0, excess / room);
    for (int i = 0; i < widths.size(); ++i) {
        if (from[i])
            widths[i] -= std::max(0.0, widths[i] - floor[i]) * share;
    }
    return std::max(0.0, excess - room);
}

} // namespace

ListColumnPlan ListColumnPlan::make(const QList<ListColumn> &columns, const ReportData *data, bool landscape,
    const QSizeF &paper, double sideMargins, TextMeasure &measure)
{
    QList<Need> needs;
    double designed = 0;
    for (const ListColumn &column : columns) {
        needs << (column.width > 0 ? needOf(column, data, measure) : Need());
        designed += std::max(0.0, column.width);
    }

    // Smaller fonts first on the page the printout asked for, then the landscape page.
    struct Try
    {
        bool landscape;
        double size;
    };
    QList<Try> tries {{landscape, BaseSize}, {landscape, 9}};
    for (double size : {BaseSize, 9.0, 8.0, 7.0, 6.0, 5.0})
        tries.append({true, size});

    ListColumnPlan plan;
    QList<double> floor;
    double width = 0;
    for (const Try &attempt : std::as_const(tries)) {
        plan.landscape = attempt.landscape;
        plan.pointSize = attempt.size;
        width = (attempt.landscape ? paper.height() : paper.width()) - sideMargins;
        const double factor = attempt.size / BaseSize * ScaleSlack;
        floor.clear();
        double least = 0;
        for (int i = 0; i < columns.size(); ++i) {
            floor << (columns[i].width > 0 ? narrowest(needs[i], factor) : 0.0);
            least += floor.last();
        }
        if (least <= width)
            break;
    }

    const double scale = designed > width ? width / designed : 1.0;
    QList<bool> text;
    QList<bool> figure;
    double total = 0;
    for (int i = 0; i < columns.size(); ++i) {
        const double w = columns[i].width > 0 ? std::max(columns[i].width * scale, floor[i]) : 0.0;
        plan.widths << w;
        plan.figures << needs[i].figures;
        text << !needs[i].figures;
        figure << needs[i].figures;
        total += w;
    }
    const double left = take(plan.widths, floor, text, total - width);
    take(plan.widths, floor, figure, left);
    return plan;
}
