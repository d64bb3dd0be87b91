#pragma once

#include "printing/TableReportData.h"
#include "printing/ui/Printout.h"
#include "reports/NutrientReports.h"

// The grouped nutrient printout ("Tápanyagszámítás csoportos"): the parameters, the food groups
// against the norms, the fourteen nutrient lines and the nutrient chart, then the signature footer.
class TqrpTapCsop : public Printout
{
public:
    TqrpTapCsop(const Settings &settings, Messenger &messenger, const NutrientGroupedReport &report,
        const NutrientPeriod &period, const NutrientDivisor &divisor);

    static constexpr double ChartHeight = 90;

private:
    void addNutrientLines(const GroupedNutrients &result);

    TableReportData m_data;
};
