#include "reports/ui/frmLekBeallas.h"

#include "core/Dates.h"
#include "master/MasterLookups.h"
#include "reports/NormComparisonReport.h"
#include "reports/ui/ALaCarteChoice.h"
#include "reports/ui/MealChoice.h"
#include "reports/ui/NormResultPanel.h"
#include "reports/ui/qrpBeallas.h"
#include "session/Services.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QTableView>

TfrmLekBeallas::TfrmLekBeallas(const Services &services, QSqlDatabase warehouse, bool forMeals, QWidget *parent)
    : TfrmLekBase(services, Dates::YearPeriod,
          std::make_unique<NormComparisonReport>(
              warehouse, forMeals ? NormComparisonReport::Kind::Meals : NormComparisonReport::Kind::MovementTypes),
          parent)
    , m_forMeals(forMeals)
{
    setObjectName(forMeals ? QStringLiteral("frmLekNapiErt") : QStringLiteral("frmLekBeallas"));
    setWindowTitle(forMeals ? QStringLiteral("Beállás kiszabatos étkezésre") : QStringLiteral("Beállás mozgásnemre"));
    results = new NormResultPanel(NormComparisonReport::captions(), this);
    QGridLayout *grid = parameterLayout();
    if (forMeals) {
        meals = new MealChoice(warehouse, services.messenger, this);
        grid->addWidget(meals, 0, 0, 1, 2);
    } else {
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
        grid->addWidget(buddyLabel(this, QStringLiteral("Mozgnemtől:"), dblcMozgnemtol), 0, 0);
        grid->addWidget(dblcMozgnemtol, 0, 1);
        grid->addWidget(buddyLabel(this, QStringLiteral("Mozgnemig:"), dblcMozgnemig), 1, 0);
        grid->addWidget(dblcMozgnemig, 1, 1);
        grid->addWidget(chkALaCarte, 2, 0, 1, 2);
        grid->addWidget(ALaCarteChoice::note(this), 3, 0, 1, 2);
    }
    grid->addWidget(results, 0, 2, 4, 1);
    DBGrid1->hide();
    pnlStatus->hide();
    setPrintAlwaysEnabled(true);
}

ReportParameters TfrmLekBeallas::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    if (m_forMeals) {
        values.filters.insert(NormComparisonReport::Meals, meals->codes());
    } else {
        values.filters.insert(NormComparisonReport::MovementFrom, dblcMozgnemtol->currentData().toString());
        values.filters.insert(NormComparisonReport::MovementTo, dblcMozgnemig->currentData().toString());
        values.filters.insert(NormComparisonReport::WithALaCarte, chkALaCarte->isChecked());
    }
    return values;
}

void TfrmLekBeallas::runFinished()
{
    results->setTexts(static_cast<const NormComparisonReport &>(query()).texts());
}

std::unique_ptr<Printout> TfrmLekBeallas::createPrintout()
{
    QStringList parameters {QStringLiteral("Dátum: ") + ::Dates::shortText(dtpDatumtol->date()) + QStringLiteral(" - ")
        + ::Dates::shortText(dtpDatumig->date())};
    if (m_forMeals) {
        QString chosen = QStringLiteral("Étkezések:");
        for (const QString &text : meals->texts())
            chosen += text + QStringLiteral(", ");
        parameters << chosen;
    } else {
        parameters << QStringLiteral("Mozgásnem: ") + dblcMozgnemtol->currentData().toString() + QStringLiteral(" - ")
                + dblcMozgnemig->currentData().toString();
        if (chkALaCarte->isChecked())
            parameters << chkALaCarte->text();
    }
    return std::make_unique<TqrpBeallas>(m_settings, m_messenger, windowTitle(), parameters, results->lines());
}

QString TfrmLekBeallas::helpPage() const
{
    return m_forMeals ? QStringLiteral("LekNapiErt.htm") : QStringLiteral("LekBeallas.htm");
}
