#include "reports/ui/frmLekLetszam.h"

#include "core/Dates.h"
#include "reports/HeadcountSummaryReport.h"
#include "reports/ui/MealChoice.h"
#include "reports/ui/ReportGridPrintout.h"
#include "session/Services.h"
#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QTableView>

TfrmLekLetszam::TfrmLekLetszam(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : TfrmLekBase(services, Dates::YearPeriod, std::make_unique<HeadcountSummaryReport>(warehouse), parent)
{
    setObjectName(QStringLiteral("frmLekLetszam"));
    setWindowTitle(QStringLiteral("Létszámösszesítő (kiszabott létszámok)"));
    meals = new MealChoice(warehouse, services.messenger, this);
    chkOsszevonas = named(new QCheckBox(QStringLiteral("Létszám összevonás"), this), "chkOsszevonas");
    parameterLayout()->addWidget(meals, 0, 0);
    parameterLayout()->addWidget(chkOsszevonas, 1, 0);
    DBGrid1->setModel(query().rows());
    pnlStatus->setText(query().totals());
}

ReportParameters TfrmLekLetszam::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.filters.insert(HeadcountSummaryReport::Meals, meals->codes());
    values.filters.insert(HeadcountSummaryReport::Merge, chkOsszevonas->isChecked());
    return values;
}

std::unique_ptr<Printout> TfrmLekLetszam::createPrintout()
{
    ListReportOptions options;
    options.parameters = {QStringLiteral("Dátum: ") + ::Dates::shortText(dtpDatumtol->date()) + QStringLiteral(" - ")
            + ::Dates::shortText(dtpDatumig->date()),
        QStringLiteral("Étkezés: ") + meals->codes().join(QLatin1Char(' '))};
    options.summaryLines = {QStringLiteral("Normakeret: ")
        + static_cast<const HeadcountSummaryReport &>(query()).totals().section(QStringLiteral(": "), 1)};
    return std::make_unique<ReportGridPrintout>(m_settings, m_messenger, QStringLiteral("Létszám összesítő"),
        query().rows(),
        QList<ReportGridPrintout::Column> {{QStringLiteral("Dátum"), 24}, {QStringLiteral("Étk. kód"), 14},
            {QStringLiteral("Étkezés megnevezése"), 50}, {QStringLiteral("Létszám"), 20, true},
            {QStringLiteral("Norma"), 26, true}, {QStringLiteral("Normakeret"), 32, true}},
        options);
}
