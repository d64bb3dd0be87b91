#pragma once

#include "printing/TableReportData.h"
#include "printing/ui/Printout.h"
#include "reports/MaterialCard.h"

// The material card printout ("Anyagkarton"): the material's movements in the period with the
// stock after each, and the totals of the period.
class TqrpAnyagKarton : public Printout
{
public:
    TqrpAnyagKarton(const Settings &settings, Messenger &messenger, const MaterialCard &card, const QString &nyilvSzam,
        const QDate &from, const QDate &to);

private:
    void addStatusLines(const QStringList &lines);

    static constexpr double SummaryPointSize = 9;
    TableReportData m_data;
};
