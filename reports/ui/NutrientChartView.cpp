#include "reports/ui/NutrientChartView.h"

#include "reports/NutrientChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace {

constexpr double BandHalfWidth = 0.4;

QChart *buildChart(const QList<NormedFigure> &nutrients)
{
    const QList<NutrientChartBar> bars = NutrientChart::bars(nutrients);
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Napi bevitel 1 főre az előírás százalékában"));
    auto *within = new QBarSet(QStringLiteral("Előíráson belül"));
    auto *outside = new QBarSet(QStringLiteral("Eltérés"));
    within->setColor(QColor(0x30, 0x60, 0xc0));
    outside->setColor(Qt::red);
    QStringList categories;
    double top = 100;
    for (const NutrientChartBar &bar : bars) {
        categories << bar.label;
        *within << (bar.outOfBand ? 0 : bar.percent);
        *outside << (bar.outOfBand ? bar.percent : 0);
        top = qMax(top, qMax(bar.percent, bar.high.value_or(0)));
    }
    auto *series = new QStackedBarSeries;
    series->append(within);
    series->append(outside);
    chart->addSeries(series);

    auto *axisX = new QBarCategoryAxis;
    axisX->append(categories);
    axisX->setLabelsAngle(-60);
    auto *axisY = new QValueAxis;
    axisY->setRange(0, top * 1.1);
    axisY->setLabelFormat(QStringLiteral("%.0f%%"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisX);
    series->attachAxis(axisY);

    // Each bound as a short line over its bar, on a hidden axis of the category positions 0, 1, ...
    auto *positions = new QValueAxis;
    positions->setRange(-0.5, qMax<qsizetype>(1, bars.size()) - 0.5);
    positions->setVisible(false);
    chart->addAxis(positions, Qt::AlignTop);
    for (int i = 0; i < bars.size(); ++i) {
        for (const std::optional<double> &bound : {bars.at(i).low, bars.at(i).high}) {
            if (!bound)
                continue;
            auto *line = new QLineSeries;
            line->append(i - BandHalfWidth, *bound);
            line->append(i + BandHalfWidth, *bound);
            line->setPen(QPen(QColor(0, 0x80, 0), 2));
            chart->addSeries(line);
            line->attachAxis(axisY);
            line->attachAxis(positions);
            const auto markers = chart->legend()->markers(line);
            for (QLegendMarker *marker : markers)
                marker->setVisible(false);
        }
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

} // namespace

NutrientChartView::NutrientChartView(QWidget *parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
    setChart(buildChart({}));
}

void NutrientChartView::show(const QList<NormedFigure> &nutrients)
{
    QChart *old = chart();
    setChart(buildChart(nutrients));
    delete old;
}

QImage NutrientChartView::render(const QList<NormedFigure> &nutrients, const QSize &size)
{
    QGraphicsScene scene;
    QChart *chart = buildChart(nutrients);
    scene.addItem(chart);
    chart->resize(size);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return image;
}
