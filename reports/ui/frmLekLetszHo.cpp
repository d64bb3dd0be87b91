#include "reports/ui/frmLekLetszHo.h"

#include "reports/MonthlyHeadcountReport.h"
#include "reports/ReportDays.h"
#include "reports/ui/MealChoice.h"
#include "reports/ui/ReportGridPrintout.h"
#include "reports/ui/ReportRowColours.h"
#include "session/Services.h"
#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QTableView>

TfrmLekLetszHo::TfrmLekLetszHo(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : TfrmLekBase(services, Dates::Year, std::make_unique<MonthlyHeadcountReport>(warehouse), parent)
{
    setObjectName(QStringLiteral("frmLekLetszHo"));
    setWindowTitle(QStringLiteral("Havi létszámösszesítő"));
    cmbHonap = named(new QComboBox(this), "cmbHonap");
    cmbHonap->addItems(ReportDays::monthItems());
    cmbHonap->setCurrentIndex(QDate::currentDate().month() - 1);
    meals = new MealChoice(warehouse, services.messenger, this, MonthlyHeadcountReport::MaxMeals);
    chkKiszabott = named(new QCheckBox(QStringLiteral("Kiszabott létszámokat"), this), "chkKiszabott");
    chkKiszabott->setChecked(true);
    parameterLayout()->addWidget(buddyLabel(this, QStringLiteral("Hónap:"), cmbHonap), 0, 0);
    parameterLayout()->addWidget(cmbHonap, 0, 1);
    parameterLayout()->addWidget(meals, 1, 0, 1, 2);
    parameterLayout()->addWidget(chkKiszabott, 2, 0, 1, 2);
    DBGrid1->setModel(query().rows());
    pnlStatus->hide();
}

ReportParameters TfrmLekLetszHo::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.filters.insert(MonthlyHeadcountReport::Month, cmbHonap->currentIndex() + 1);
    values.filters.insert(MonthlyHeadcountReport::Meals, meals->codes());
    values.filters.insert(MonthlyHeadcountReport::IssuedOnly, chkKiszabott->isChecked());
    return values;
}

void TfrmLekLetszHo::runFinished()
{
    ReportRowColours::markTotalRow(query().rows(), query().rows()->rowCount() - 1);
}

std::unique_ptr<Printout> TfrmLekLetszHo::createPrintout()
{
    const auto &report = static_cast<const MonthlyHeadcountReport &>(query());
    if (report.mealNames().size() > MonthlyHeadcountReport::MaxMeals)
        MonthlyHeadcountReport::printsFirstTen().show(m_messenger);
    QList<ReportGridPrintout::Column> columns {{QStringLiteral("Nap/étk."), 28}};
    for (const QString &name : report.mealNames().mid(0, MonthlyHeadcountReport::MaxMeals))
        columns << ReportGridPrintout::Column {name, 15, true};
    ListReportOptions options;
    options.rowCount = false;
    options.parameters = {QString::number(selectedYear()) + QLatin1Char('.') + cmbHonap->currentText()};
    options.landscape = columns.size() > 7;
    return std::make_unique<ReportGridPrintout>(
        m_settings, m_messenger, QStringLiteral("Havi létszámösszesítő"), query().rows(), columns, options);
}
