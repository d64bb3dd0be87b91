#include "reports/ui/frmLekMozgOssz.h"

#include "core/Dates.h"
#include "reports/ui/ReportGridPrintout.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

TfrmLekMozgOssz::TfrmLekMozgOssz(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : TfrmLekBase(services, Dates::WorkYear, std::make_unique<MovementSummaryReport>(warehouse), parent)
    , m_db(warehouse)
{
    setObjectName(QStringLiteral("frmLekMozgOssz"));
    setWindowTitle(QStringLiteral("Mozgás összesítő"));
    cmbTablo = named(new QComboBox(this), "cmbTablo");
    SpeedButton2 = named(new QToolButton(this), "SpeedButton2");
    SpeedButton2->setText(QStringLiteral("Mentés"));
    SpeedButton2->setToolTip(QStringLiteral("Tabló mentése"));
    chkNyito = named(new QCheckBox(QStringLiteral("Nyitó tétel beszámítása"), this), "chkNyito");
    parameterLayout()->addWidget(buddyLabel(this, QStringLiteral("Tablószám:"), cmbTablo), 0, 0);
    parameterLayout()->addWidget(cmbTablo, 0, 1);
    parameterLayout()->addWidget(SpeedButton2, 0, 2);
    parameterLayout()->addWidget(chkNyito, 1, 0, 1, 3);
    DBGrid1->setModel(query().rows());
    pnlStatus->setText(query().totals());
    loadPeriods(newPeriodText());
    connect(cmbTablo, &QComboBox::currentIndexChanged, this, &TfrmLekMozgOssz::cmbTabloChange);
    connect(SpeedButton2, &QToolButton::clicked, this, &TfrmLekMozgOssz::SpeedButton2Click);
}

void TfrmLekMozgOssz::loadPeriods(const QString &select)
{
    m_periods = shownLookup(StoredPeriods::load(m_db), m_messenger);
    const QSignalBlocker block(cmbTablo);
    cmbTablo->clear();
    cmbTablo->addItem(newPeriodText());
    for (const StoredPeriods::Period &period : std::as_const(m_periods))
        cmbTablo->addItem(period.number);
    cmbTablo->setCurrentIndex(qMax(0, cmbTablo->findText(select)));
    cmbTabloChange();
}

void TfrmLekMozgOssz::cmbTabloChange()
{
    const int index = cmbTablo->currentIndex();
    const bool open = index <= 0;
    if (open) {
        const StoredPeriods::Open period
            = StoredPeriods::openPeriod(m_periods, m_settings.munkaEv().toInt(), QDate::currentDate());
        dtpDatumtol->setMinimumDate(period.minimum);
        dtpDatumig->setMinimumDate(period.minimum);
        dtpDatumtol->setDate(period.from);
        dtpDatumig->setDate(period.to);
    } else {
        const StoredPeriods::Period &period = m_periods.at(index - 1);
        dtpDatumtol->setMinimumDate(period.from);
        dtpDatumig->setMinimumDate(period.from);
        dtpDatumtol->setDate(period.from);
        dtpDatumig->setDate(period.to);
    }
    dtpDatumtol->setEnabled(open);
    dtpDatumig->setEnabled(open);
    SpeedButton2->setEnabled(open);
}

void TfrmLekMozgOssz::SpeedButton2Click()
{
    const QDate to = dtpDatumig->date();
    const Checked<QString> saved = StoredPeriods::save(m_db, dtpDatumtol->date(), to);
    if (!saved.ok()) {
        saved.refusal.show(m_messenger);
        return;
    }
    loadPeriods(saved.value);
    StoredPeriods::openEndWarning(to, m_settings.lezartHoDat()).show(m_messenger);
}

const MovementSummaryReport &TfrmLekMozgOssz::summary() const
{
    return static_cast<const MovementSummaryReport &>(query());
}

ReportParameters TfrmLekMozgOssz::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.filters.insert(MovementSummaryReport::IncludeOpening, chkNyito->isChecked());
    return values;
}

std::unique_ptr<Printout> TfrmLekMozgOssz::createPrintout()
{
    ListReportOptions options;
    options.parameters = {QStringLiteral("Paraméterek:"),
        QStringLiteral("Dátum: ") + ::Dates::shortText(dtpDatumtol->date()) + QStringLiteral(" - ")
            + ::Dates::shortText(dtpDatumig->date()),
        QStringLiteral("Tablószám: ") + cmbTablo->currentText()};
    const auto amounts = summary().statusAmounts();
    auto line = [&amounts](const QString &caption, int first) {
        return caption + QLatin1Char(' ') + amounts.at(first).second + QStringLiteral("   ")
            + amounts.at(first + 3).second + QStringLiteral("   ") + amounts.at(first + 6).second;
    };
    options.summaryLines = {line(QStringLiteral("Terhelés (be) összesen:"), 0),
        line(QStringLiteral("Jóváírás (ki) összesen:"), 1), line(QStringLiteral("Mindösszesen:"), 2)};
    return std::make_unique<ReportGridPrintout>(m_settings, m_messenger, QStringLiteral("Mozgás összesítő"),
        query().rows(),
        QList<ReportGridPrintout::Column> {{QStringLiteral("Dátum"), 22}, {QStringLiteral("Biz. szám"), 22},
            {QStringLiteral("Mozg. tip."), 14}, {QStringLiteral("Partnerkód"), 18}, {QStringLiteral("B/K"), 10},
            {QStringLiteral("Nettó érték"), 30, true}, {QStringLiteral("ÁFA"), 28, true},
            {QStringLiteral("Bruttó érték"), 30, true}},
        options);
}
