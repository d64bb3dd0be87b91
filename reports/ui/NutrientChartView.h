#pragma once

#include "reports/NutrientCalculation.h"

#include <QChartView>
#include <QImage>

// The nutrient chart on the grouped nutrient screen: one bar per nutrient in percent of its norm,
// red when out of the band, blue within it; the band's bounds as short lines over each bar.
class NutrientChartView : public QChartView
{
    Q_OBJECT
public:
    explicit NutrientChartView(QWidget *parent = nullptr);

    void show(const QList<NormedFigure> &nutrients);
    // The same chart drawn into a picture of that many pixels, for the printout.
    static QImage render(const QList<NormedFigure> &nutrients, const QSize &size);

    using QChartView::show;
};
