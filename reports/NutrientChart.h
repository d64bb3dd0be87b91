#pragma once

#include "reports/NutrientCalculation.h"

#include <QList>
#include <QString>

#include <optional>

// The chart of the grouped calculation: each nutrient's daily portion of one person against its
// norm band. Nutrients differ by orders of magnitude (kJ against grams of salt), so every bar is
// drawn in percent of its own norm: of the minimum, or of the maximum where no minimum is set. A
// nutrient without any norm has no band and is drawn at 0 with no colour of deviation.
struct NutrientChartBar
{
    QString label; // the nutrient's label without its colon
    double percent = 0;
    std::optional<double> low; // the band in percent of the same reference
    std::optional<double> high;
    bool outOfBand = false;
};

namespace NutrientChart {

QList<NutrientChartBar> bars(const QList<NormedFigure> &nutrients);

} // namespace NutrientChart
