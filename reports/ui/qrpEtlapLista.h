#pragma once

#include "printing/TableReportData.h"
#include "printing/ui/Printout.h"
#include "reports/MenuDish.h"

// The menu list printout ("Étlap"): the dishes grouped by day, each with its values of one portion
// and eight allergen picture places, the day sums under each day, and the weekly footer text. A
// picture file missing from the Pictures folder stops the printout with a message naming it.
class TqrpEtlapLista : public Printout
{
public:
    TqrpEtlapLista(const Settings &settings, Messenger &messenger, const QList<MenuDish> &dishes, bool dietary,
        const QString &picturesFolder);

private:
    TableReportData m_data;
};
