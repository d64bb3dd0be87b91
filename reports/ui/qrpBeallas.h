#pragma once

#include "printing/TableReportData.h"
#include "printing/ui/Printout.h"

#include <QStringList>

// The one-page norm comparison printout ("Beállás ..."): the standard header, the parameter lines
// and the four result lines as the screen shows them, "Összesítés:" and the signature footer.
class TqrpBeallas : public Printout
{
public:
    TqrpBeallas(const Settings &settings, Messenger &messenger, const QString &title, const QStringList &parameters,
        const QStringList &results);

private:
    TableReportData m_data;
};
