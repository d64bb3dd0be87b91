#include "reports/ui/frmLekAnyagHo.h"

#include "master/MasterLookups.h"
#include "reports/MonthlyUsageReport.h"
#include "reports/ReportDays.h"
#include "reports/ui/ALaCarteChoice.h"
#include "reports/ui/ReportGridPrintout.h"
#include "reports/ui/ReportRowColours.h"
#include "session/Services.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QTableView>

TfrmLekAnyagHo::TfrmLekAnyagHo(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : TfrmLekBase(services, Dates::Year, std::make_unique<MonthlyUsageReport>(warehouse), parent)
{
    setObjectName(QStringLiteral("frmLekAnyagHo"));
    setWindowTitle(QStringLiteral("Havi anyagfelhasználás"));
    cmbHonap = named(new QComboBox(this), "cmbHonap");
    cmbHonap->addItems(ReportDays::monthItems());
    cmbHonap->setCurrentIndex(QDate::currentDate().month() - 1);
    dblcMozgnemtol = named(new QComboBox(this), "dblcMozgnemtol");
    dblcMozgnemig = named(new QComboBox(this), "dblcMozgnemig");
    const LookupList types = shownLookup(MasterLookups::codeTableRows(warehouse, QStringLiteral("Mozgnem"),
                                             QStringLiteral("MozgnemKod"), QStringLiteral("Megnevezes")),
        services.messenger);
    for (QComboBox *box : {dblcMozgnemtol, dblcMozgnemig}) {
        for (const LookupEntry &type : types)
            box->addItem(type.code + QStringLiteral(" - ") + type.text, type.code);
    }
    dblcMozgnemig->setCurrentIndex(dblcMozgnemig->count() - 1);
    chkALaCarte = ALaCarteChoice::checkBox(this);
    QGridLayout *grid = parameterLayout();
    grid->addWidget(buddyLabel(this, QStringLiteral("Hónap:"), cmbHonap), 0, 0);
    grid->addWidget(cmbHonap, 0, 1);
    grid->addWidget(buddyLabel(this, QStringLiteral("Mozgnemtől:"), dblcMozgnemtol), 1, 0);
    grid->addWidget(dblcMozgnemtol, 1, 1);
    grid->addWidget(buddyLabel(this, QStringLiteral("Mozgnemig:"), dblcMozgnemig), 2, 0);
    grid->addWidget(dblcMozgnemig, 2, 1);
    grid->addWidget(chkALaCarte, 3, 0, 1, 2);
    grid->addWidget(ALaCarteChoice::note(this), 4, 0, 1, 2);
    DBGrid1->setModel(query().rows());
    pnlStatus->hide();
}

ReportParameters TfrmLekAnyagHo::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.filters.insert(MonthlyUsageReport::Month, cmbHonap->currentIndex() + 1);
    values.filters.insert(MonthlyUsageReport::MovementFrom, dblcMozgnemtol->currentData().toString());
    values.filters.insert(MonthlyUsageReport::MovementTo, dblcMozgnemig->currentData().toString());
    values.filters.insert(MonthlyUsageReport::WithALaCarte, chkALaCarte->isChecked());
    return values;
}

void TfrmLekAnyagHo::runFinished()
{
    ReportRowColours::markTotalRow(query().rows(), query().rows()->rowCount() - 1);
}

std::unique_ptr<Printout> TfrmLekAnyagHo::createPrintout()
{
    ListReportOptions options;
    options.rowCount = false;
    options.parameters = {QString::number(selectedYear()) + QLatin1Char('.') + cmbHonap->currentText(),
        QStringLiteral("Mozgásnem: ") + dblcMozgnemtol->currentData().toString() + QStringLiteral(" - ")
            + dblcMozgnemig->currentData().toString()};
    if (chkALaCarte->isChecked())
        options.parameters << chkALaCarte->text();
    return std::make_unique<ReportGridPrintout>(m_settings, m_messenger, QStringLiteral("Havi anyagfelhasználás"),
        query().rows(),
        QList<ReportGridPrintout::Column> {{QStringLiteral("Napok"), 34}, {QStringLiteral("Anyagfelhasználás"), 36, true},
            {QStringLiteral("Normakeret"), 36, true}, {QStringLiteral("Beállás [Ft]"), 36, true},
            {QStringLiteral("Beállás [%]"), 24, true}},
        options);
}
