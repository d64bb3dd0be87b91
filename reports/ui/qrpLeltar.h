#pragma once

#include "printing/TableReportData.h"
#include "printing/ui/Printout.h"
#include "stock/StockLine.h"

#include <QDate>

// The inventory list printout ("Anyagleltár") over the rows shown; as a blank inventory sheet the
// quantities, prices and values are left empty to be filled in by hand.
class TqrpLeltar : public Printout
{
public:
    TqrpLeltar(const Settings &settings, Messenger &messenger, const QList<StockLine> &rows, const QDate &date,
        bool blankSheet, bool showAfa);

private:
    TableReportData m_data;
};
