#include "reports/ui/frmLekTapCsop.h"

#include "reports/ui/NutrientChartView.h"
#include "reports/ui/NutrientParameters.h"
#include "reports/ui/frmTapRendelet.h"
#include "reports/ui/qrpTapCsop.h"
#include "session/Services.h"
#include "widgets/UiGridFormat.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTableView>

TfrmLekTapCsop::TfrmLekTapCsop(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : TfrmLekTapCsop(services, Dates::YearPeriod, NutrientInput(warehouse), parent)
{
}

TfrmLekTapCsop::TfrmLekTapCsop(const Services &services, Dates dates, NutrientInput input, QWidget *parent)
    : TfrmLekBase(services, dates, std::make_unique<NutrientGroupedReport>(std::move(input)), parent)
{
    setObjectName(QStringLiteral("frmLekTapCsop"));
    setWindowTitle(QStringLiteral("Tényleges tápanyagszámítás csoportos"));
    resize(1000, 760);
    m_panel = new NutrientParameters(report().input(), m_messenger, true, 9999, this);
    parameterLayout()->addWidget(m_panel, 1, 0, 1, 4);

    DBGrid1->setModel(query().rows());
    DBGrid2 = new QTableView(this);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid2->setModel(static_cast<NutrientGroupedReport &>(query()).nutrients());
    UiGridFormat::install(DBGrid2);
    chtTapanyag = new NutrientChartView(this);
    chtTapanyag->setObjectName(QStringLiteral("chtTapanyag"));
    auto *splitter = new QSplitter(Qt::Vertical, this);
    layout()->replaceWidget(DBGrid1, splitter);
    splitter->addWidget(DBGrid1);
    splitter->addWidget(DBGrid2);
    splitter->addWidget(chtTapanyag);

    connect(m_panel, &NutrientParameters::choiceChanged, this, &TfrmLekTapCsop::recomputeDivisor);
    connect(m_panel, &NutrientParameters::normsRequested, this, &TfrmLekTapCsop::openNorms);
    for (QDateEdit *picker : {dtpDatumtol, dtpDatumig})
        if (picker)
            connect(picker, &QDateEdit::dateChanged, this, &TfrmLekTapCsop::recomputeDivisor);
    recomputeDivisor();
}

const NutrientGroupedReport &TfrmLekTapCsop::report() const
{
    return static_cast<const NutrientGroupedReport &>(query());
}

void TfrmLekTapCsop::recomputeDivisor()
{
    const auto divisor = report().input().divisor(parameters());
    m_panel->showDivisor(divisor.ok() ? divisor.value : NutrientDivisor());
    divisor.refusal.show(m_messenger);
}

ReportParameters TfrmLekTapCsop::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    m_panel->addTo(values);
    return values;
}

void TfrmLekTapCsop::runFinished()
{
    UiGridFormat::fitColumns(DBGrid2);
    chtTapanyag->show(report().result().nutrients);
    DBGrid1->setFocus();
}

void TfrmLekTapCsop::openNorms()
{
    TfrmTapRendelet norms(m_services, report().input().database(), m_panel->dblcTapRend->currentText(), this);
    norms.exec();
    m_panel->reloadAgeGroups();
}

std::unique_ptr<Printout> TfrmLekTapCsop::createPrintout()
{
    const ReportParameters values = parameters();
    const NutrientPeriod period = report().input().period(values);
    return std::make_unique<TqrpTapCsop>(m_settings, m_messenger, report(), period, report().divisor());
}

TfrmLekTapCsopKisz::TfrmLekTapCsopKisz(const Services &services, QSqlDatabase warehouse, const QDate &date,
    const QList<RationMeal> &meals, const QList<RationLine> &lines, QWidget *parent)
    : TfrmLekTapCsop(services, Dates::DateFrom, NutrientInput(warehouse, date, meals, lines), parent)
{
    setObjectName(QStringLiteral("frmLekTapCsopKisz"));
    dtpDatumtol->setDate(date);
    dtpDatumtol->setEnabled(false);
}
