#include "reports/ui/qrpTapCsop.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "printing/ui/ListReport.h"
#include "reports/ui/NutrientChartView.h"

namespace {

QStringList parameterLines(const NutrientGroupedReport &report, const NutrientPeriod &period,
    const NutrientDivisor &divisor)
{
    QString meals = QStringLiteral("Étkezés:");
    for (const QString &code : period.meals)
        meals += QLatin1Char(' ') + code;
    const QString movements = report.input().isSheet()
        ? QString()
        : period.movementFrom + QStringLiteral(" - ") + period.movementTo;
    return {QStringLiteral("Paraméterek:"),
        QStringLiteral("Dátum: %1 - %2").arg(Dates::shortText(period.from), Dates::shortText(period.to)),
        QStringLiteral("Napok: %1").arg(divisor.days), meals, QStringLiteral("Mozgásnem: ") + movements,
        QStringLiteral("Átlag adag: %1").arg(divisor.headcount), report.norm().ageGroup,
        QStringLiteral("Összehasonlító adatok a 37/2014 (IV.30) EMMI rendelet alapján")};
}

} // namespace

TqrpTapCsop::TqrpTapCsop(const Settings &settings, Messenger &messenger, const NutrientGroupedReport &report,
    const NutrientPeriod &period, const NutrientDivisor &divisor)
    : Printout(settings, messenger)
    , m_data({QStringLiteral("Csoport"), QStringLiteral("Megnevezes"), QStringLiteral("OsszMenny"),
          QStringLiteral("NapiMenny"), QStringLiteral("EloirasMin"), QStringLiteral("EloirasMax"),
          QStringLiteral("Elteres")})
{
    for (const NormedFigure &row : report.result().groups) {
        m_data.addRow({row.code, row.name, row.total, row.daily,
            row.norm.minimum ? QVariant(*row.norm.minimum) : QVariant(),
            row.norm.maximum ? QVariant(*row.norm.maximum) : QVariant(), row.deviation});
    }
    const QString mask = NutrientReports::FigureMask;
    const QList<ListColumn> columns {
        {QStringLiteral("No."), QStringLiteral("Csoport"), 10},
        {QStringLiteral("Megnevezés"), QStringLiteral("Megnevezes"), 55},
        {QStringLiteral("Össz menny. [g]"), QStringLiteral("OsszMenny"), 24, Qt::AlignRight, mask},
        {QStringLiteral("Napi menny. [g]"), QStringLiteral("NapiMenny"), 22, Qt::AlignRight, mask},
        {QStringLiteral("Előírás min. [g]"), QStringLiteral("EloirasMin"), 22, Qt::AlignRight, mask},
        {QStringLiteral("Előírás max. [g]"), QStringLiteral("EloirasMax"), 22, Qt::AlignRight, mask},
        {QStringLiteral("Eltérés [g]"), QStringLiteral("Elteres"), 22, Qt::AlignRight, mask},
    };
    ListReportOptions options;
    options.parameters = parameterLines(report, period, divisor);
    options.rowCount = false;
    ListReport::build(*this, QStringLiteral("Tápanyagszámítás csoportos"), columns, &m_data, options);
    addNutrientLines(report.result());
}

void TqrpTapCsop::addNutrientLines(const GroupedNutrients &result)
{
    ReportBand &summary = this->report().summary();
    const double width = this->report().contentWidth();
    constexpr double LineHeight = 5;
    double y = summary.height() + 2;
    summary.label(QRectF(0, y, width, LineHeight), QStringLiteral("Napi energia- és tápanyagbeviteli ajánláshoz viszonyítva"))
        .setBold();
    y += LineHeight + 1;
    const QList<double> widths {44, 28, 24, 24, 24, 24, 18};
    const QStringList captions {QStringLiteral("Megnevezés"), QStringLiteral("Össz menny."),
        QStringLiteral("Napi menny."), QStringLiteral("Előírás min."), QStringLiteral("Előírás max."),
        QStringLiteral("Eltérés"), QString()};
    auto addLine = [&](const QStringList &texts, bool bold, bool red) {
        double x = 0;
        for (int i = 0; i < texts.size(); ++i) {
            ReportElement &label = summary.label(QRectF(x, y, widths.at(i) - 1, LineHeight), texts.at(i));
            label.setAlignment((i == 0 || i == 6 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            if (bold)
                label.setBold();
            if (red && i == 5)
                label.setColor(Qt::red);
            x += widths.at(i);
        }
        y += LineHeight;
    };
    addLine(captions, true, false);
    for (const NormedFigure &row : result.nutrients.mid(0, 14)) {
        addLine({row.name, NumberFormat::plain(row.total), NumberFormat::plain(row.daily),
                    row.norm.minimum ? NumberFormat::plain(*row.norm.minimum) : QString(),
                    row.norm.maximum ? NumberFormat::plain(*row.norm.maximum) : QString(),
                    NumberFormat::plain(row.deviation), row.unit},
            false, row.deviates());
    }
    y += 2;
    // The chart as a picture of 4 pixels per millimetre, sharp enough on paper.
    const QSize pixels(int(width * 4), int(ChartHeight * 4));
    summary.picture(QRectF(0, y, width, ChartHeight), NutrientChartView::render(result.nutrients, pixels));
    summary.setHeight(y + ChartHeight + 2);
}
