#include "reports/ui/frmLekAnyagfelh.h"

#include "core/Dates.h"
#include "reports/UsageByMovementReport.h"
#include "reports/UsageDetailReport.h"
#include "reports/ui/ReportGridPrintout.h"
#include "reports/ui/UsageFilterPanel.h"
#include "session/Services.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QTableView>

namespace {

std::unique_ptr<ReportQuery> usageQuery(QSqlDatabase warehouse, bool detailed)
{
    if (detailed)
        return std::make_unique<UsageDetailReport>(warehouse);
    return std::make_unique<UsageByMovementReport>(warehouse);
}

} // namespace

TfrmLekAnyagfelh::TfrmLekAnyagfelh(const Services &services, QSqlDatabase warehouse, bool detailed, QWidget *parent)
    : TfrmLekBase(services, Dates::YearPeriod, usageQuery(warehouse, detailed), parent)
    , m_detailed(detailed)
{
    setObjectName(detailed ? QStringLiteral("frmLekAnyagfelhReszl") : QStringLiteral("frmLekAnyagfelh"));
    setWindowTitle(detailed ? QStringLiteral("Részletes anyagfelhasználás") : QStringLiteral("Tényleges anyagfelhasználás"));
    filters = new UsageFilterPanel(warehouse, services.settings, services.messenger, this);
    parameterLayout()->addWidget(filters, 0, 0);
    DBGrid1->setModel(query().rows());
    pnlStatus->setText(query().totals());
}

ReportParameters TfrmLekAnyagfelh::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    filters->addFilters(values);
    return values;
}

std::unique_ptr<Printout> TfrmLekAnyagfelh::createPrintout()
{
    ListReportOptions options;
    options.parameters = QStringList {QStringLiteral("Paraméterek:"),
                             QStringLiteral("Dátum: ") + ::Dates::shortText(dtpDatumtol->date()) + QStringLiteral(" - ")
                                 + ::Dates::shortText(dtpDatumig->date())}
        + filters->printedLines();
    options.summaryLines = {query().totals()};
    options.landscape = m_detailed;
    using Column = ReportGridPrintout::Column;
    const QList<Column> columns = m_detailed
        ? QList<Column> {{QStringLiteral("Fők. sz."), 12}, {QStringLiteral("Anyagkód"), 14},
              {QStringLiteral("Megnevezés"), 50}, {QStringLiteral("Mért."), 12}, {QStringLiteral("Nyilv. ár"), 20, true},
              {QStringLiteral("Menny. BE"), 20, true}, {QStringLiteral("Menny. KI"), 20, true},
              {QStringLiteral("M. egyenleg"), 20, true}, {QStringLiteral("Érték BE"), 28, true},
              {QStringLiteral("Érték KI"), 28, true}, {QStringLiteral("Ért. egyenleg"), 28, true}}
        : QList<Column> {{QStringLiteral("Mozgnem"), 16}, {QStringLiteral("Megnevezés"), 60},
              {QStringLiteral("Érték BE"), 34, true}, {QStringLiteral("Érték KI"), 34, true},
              {QStringLiteral("Ért. egyenleg"), 34, true}};
    return std::make_unique<ReportGridPrintout>(
        m_settings, m_messenger, QStringLiteral("Anyagfelhasználás"), query().rows(), columns, options);
}

QString TfrmLekAnyagfelh::helpPage() const
{
    return m_detailed ? QStringLiteral("LekAnyagfelhReszl.htm") : QStringLiteral("LekAnyagfelh.htm");
}

QString TfrmLekAnyagfelh::exportFileName() const
{
    return m_detailed ? QStringLiteral("AnyagFelhReszl.csv") : QStringLiteral("AnyagFelh.csv");
}
