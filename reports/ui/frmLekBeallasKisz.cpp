#include "reports/ui/frmLekBeallasKisz.h"

#include "core/Dates.h"
#include "reports/MealMaterialsReport.h"
#include "reports/ui/MealChoice.h"
#include "reports/ui/ReportGridPrintout.h"
#include "session/Services.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>

TfrmLekBeallasKisz::TfrmLekBeallasKisz(
    const Services &services, QSqlDatabase warehouse, bool detailed, QWidget *parent)
    : TfrmLekBase(services, Dates::YearPeriod, std::make_unique<MealMaterialsReport>(warehouse, detailed), parent)
    , m_db(warehouse)
    , m_detailed(detailed)
{
    setObjectName(detailed ? QStringLiteral("frmLekBeallasKisz") : QStringLiteral("frmLekBeallasKiszTab"));
    setWindowTitle(detailed ? QStringLiteral("Étkezésre anyaglista részletes (kiszabatos)")
                            : QStringLiteral("Étkezésre anyaglista (kiszabatos)"));
    meals = new MealChoice(warehouse, services.messenger, this);
    // A period's sum of headcounts goes far beyond a day's.
    fleLetszam = named(new QSpinBox(this), "fleLetszam");
    fleLetszam->setRange(1, 999'999'999);
    fleLetszam->setGroupSeparatorShown(true);
    parameterLayout()->addWidget(meals, 0, 0, 1, 2);
    parameterLayout()->addWidget(buddyLabel(this, QStringLiteral("Összlétszám:"), fleLetszam), 1, 0);
    parameterLayout()->addWidget(fleLetszam, 1, 1);
    DBGrid1->setModel(query().rows());
    pnlStatus->setText(query().totals());
    setPrintAlwaysEnabled(true);
    connect(meals, &MealChoice::changed, this, &TfrmLekBeallasKisz::refreshHeadcount);
    connect(dtpDatumtol, &QDateEdit::dateChanged, this, &TfrmLekBeallasKisz::refreshHeadcount);
    connect(dtpDatumig, &QDateEdit::dateChanged, this, &TfrmLekBeallasKisz::refreshHeadcount);
    refreshHeadcount();
}

void TfrmLekBeallasKisz::refreshHeadcount()
{
    const auto headcounts = shownLookup(
        MealMaterialsReport::headcounts(m_db, dtpDatumtol->date(), dtpDatumig->date(), meals->codes()), m_messenger);
    fleLetszam->setValue(int(qMin<qint64>(MealMaterialsReport::totalHeadcount(headcounts), fleLetszam->maximum())));
    m_headcountLines.clear();
    for (const MealMaterialsReport::MealHeadcount &meal : headcounts)
        m_headcountLines << meal.code + QStringLiteral(" - ") + meal.name + QStringLiteral("  ")
                + QString::number(meal.headcount) + QStringLiteral(" fő");
}

ReportParameters TfrmLekBeallasKisz::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.filters.insert(MealMaterialsReport::Meals, meals->codes());
    return values;
}

std::unique_ptr<Printout> TfrmLekBeallasKisz::createPrintout()
{
    ListReportOptions options;
    options.parameters = QStringList {QStringLiteral("Paraméterek:"),
                             QStringLiteral("Dátum: ") + ::Dates::shortText(dtpDatumtol->date())
                                 + QStringLiteral(" - ") + ::Dates::shortText(dtpDatumig->date())}
        + m_headcountLines;
    options.summaryLines = query().totals().split(QStringLiteral("  "));
    QList<ReportGridPrintout::Column> columns {{QStringLiteral("Fők sz."), 14}, {QStringLiteral("Nyilvsz."), 16},
        {QStringLiteral("Megnevezés"), 56}, {QStringLiteral("Mennyiség"), 26, true}, {QStringLiteral("Me."), 12},
        {QStringLiteral("Nettó ár"), 30, true}};
    if (m_detailed)
        columns.prepend({QStringLiteral("Étkezés"), 30});
    return std::make_unique<ReportGridPrintout>(m_settings, m_messenger,
        m_detailed ? QStringLiteral("Étkezésre anyaglista részletes") : QStringLiteral("Étkezésre anyaglista"),
        query().rows(), columns, options);
}

QString TfrmLekBeallasKisz::helpPage() const
{
    return m_detailed ? QStringLiteral("LekBeallasKisz.htm") : QStringLiteral("LekBeallasKiszTab.htm");
}

QString TfrmLekBeallasKisz::exportFileName() const
{
    return m_detailed ? QStringLiteral("BeallasKisz.csv") : QStringLiteral("BeallasKiszTab.csv");
}
