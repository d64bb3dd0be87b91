#pragma once

#include "printing/TableReportData.h"
#include "printing/ui/Printout.h"
#include "reports/InventoryDifference.h"

#include <QDate>

// The inventory difference printout ("Anyagleltár külömbözet") over the rows shown; rows with a
// difference print on a silver background.
class TqrpLeltarKul : public Printout
{
public:
    TqrpLeltarKul(
        const Settings &settings, Messenger &messenger, const QList<InventoryDifference::Row> &rows, const QDate &date);

private:
    TableReportData m_data;
};
