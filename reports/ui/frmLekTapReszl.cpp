#include "reports/ui/frmLekTapReszl.h"

#include "reports/ui/NutrientParameters.h"
#include "reports/ui/qrpTapReszl.h"
#include "session/Services.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QTableView>

TfrmLekTapReszl::TfrmLekTapReszl(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : TfrmLekTapReszl(services, Dates::YearPeriod, NutrientInput(warehouse), parent)
{
}

TfrmLekTapReszl::TfrmLekTapReszl(const Services &services, Dates dates, NutrientInput input, QWidget *parent)
    : TfrmLekBase(services, dates, std::make_unique<NutrientDetailedReport>(std::move(input)), parent)
{
    setObjectName(QStringLiteral("frmLekTapReszl"));
    setWindowTitle(QStringLiteral("Tényleges tápanyagszámítás részletes"));
    resize(1100, 700);
    m_panel = new NutrientParameters(report().input(), m_messenger, false, 99999, this);
    parameterLayout()->addWidget(m_panel, 1, 0, 1, 4);
    DBGrid1->setModel(query().rows());
    connect(m_panel, &NutrientParameters::choiceChanged, this, &TfrmLekTapReszl::recomputeDivisor);
    for (QDateEdit *picker : {dtpDatumtol, dtpDatumig})
        if (picker)
            connect(picker, &QDateEdit::dateChanged, this, &TfrmLekTapReszl::recomputeDivisor);
    recomputeDivisor();
}

const NutrientDetailedReport &TfrmLekTapReszl::report() const
{
    return static_cast<const NutrientDetailedReport &>(query());
}

void TfrmLekTapReszl::recomputeDivisor()
{
    const auto divisor = report().input().divisor(parameters());
    m_panel->showDivisor(divisor.ok() ? divisor.value : NutrientDivisor());
    divisor.refusal.show(m_messenger);
}

ReportParameters TfrmLekTapReszl::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    m_panel->addTo(values);
    return values;
}

void TfrmLekTapReszl::runFinished()
{
    DBGrid1->setFocus();
}

std::unique_ptr<Printout> TfrmLekTapReszl::createPrintout()
{
    const NutrientPeriod period = report().input().period(parameters());
    return std::make_unique<TqrpTapReszl>(
        m_settings, m_messenger, report().result(), period, report().divisor(), report().input().isSheet());
}

TfrmLekTapReszlKisz::TfrmLekTapReszlKisz(const Services &services, QSqlDatabase warehouse, const QDate &date,
    const QList<RationMeal> &meals, const QList<RationLine> &lines, QWidget *parent)
    : TfrmLekTapReszl(services, Dates::DateFrom, NutrientInput(warehouse, date, meals, lines), parent)
{
    setObjectName(QStringLiteral("frmLekTapReszlKisz"));
    lblDatumtol->setText(QStringLiteral("Dátum:"));
    dtpDatumtol->setDate(date);
    dtpDatumtol->setEnabled(false);
}
