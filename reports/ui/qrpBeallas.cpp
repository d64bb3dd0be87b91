#include "reports/ui/qrpBeallas.h"

#include "printing/ui/ListReport.h"

TqrpBeallas::TqrpBeallas(const Settings &settings, Messenger &messenger, const QString &title,
    const QStringList &parameters, const QStringList &results)
    : Printout(settings, messenger)
{
    ListReportOptions options;
    options.parameters = QStringList {QStringLiteral("Paraméterek:")} + parameters + results;
    options.rowCount = false;
    ListReport::build(*this, title, {}, &m_data, options);
}
