#include "reports/NutrientChart.h"

#include "core/Rounding.h"

namespace NutrientChart {

QList<NutrientChartBar> bars(const QList<NormedFigure> &nutrients)
{
    QList<NutrientChartBar> list;
    for (const NormedFigure &row : nutrients) {
        NutrientChartBar bar;
        bar.label = row.name.endsWith(QLatin1Char(':')) ? row.name.chopped(1) : row.name;
        const double minimum = row.norm.minimum.value_or(0);
        const double maximum = row.norm.maximum.value_or(0);
        const double reference = minimum > 0 ? minimum : maximum;
        if (reference > 0) {
            bar.percent = Rounding::round(row.daily / reference * 100, 1);
            if (minimum > 0)
                bar.low = 100.0;
            if (maximum > 0)
                bar.high = Rounding::round(maximum / reference * 100, 1);
        }
        bar.outOfBand = row.deviates();
        list << bar;
    }
    return list;
}

} // namespace NutrientChart
