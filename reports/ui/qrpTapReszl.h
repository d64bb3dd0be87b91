#pragma once

#include "printing/TableReportData.h"
#include "printing/ui/Printout.h"
#include "reports/NutrientCalculation.h"
#include "reports/NutrientSource.h"

// The detailed nutrient printout ("Tápanyagszámítás részletes"): the parameters and one line per
// material with its nutrients, then the total and the per-person-per-day lines.
class TqrpTapReszl : public Printout
{
public:
    TqrpTapReszl(const Settings &settings, Messenger &messenger, const QList<NutrientDetailRow> &rows,
        const NutrientPeriod &period, const NutrientDivisor &divisor, bool sheet);

private:
    TableReportData m_data;
};
