#include "reports/ui/frmLekBase.h"

#include "core/Refusal.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"
#include "widgets/UiGridFormat.h"
#include "widgets/UiHelp.h"
#include "widgets/UiWheelAsArrowKeys.h"
#include "core/Messenger.h"
#include "reports/ReportPeriod.h"
#include "exchange/ui/frmCsvExport.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QDateEdit *reportDatePicker(QWidget *parent, const QString &name)
{
    QDateEdit *picker = datePicker(parent, name);
    picker->setDateRange(ReportPeriod::widestMinimum(), ReportPeriod::widestMaximum());
    return picker;
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption, QWidget *buddy)
{
    return named(buddyLabel(parent, caption, buddy), name);
}

} // namespace

TfrmLekBase::TfrmLekBase(const Services &services, Dates dates, std::unique_ptr<ReportQuery> query, QWidget *parent)
    : QDialog(parent)
    , m_settings(services.settings)
    , m_messenger(services.messenger)
    , m_filePrompt(services.files)
    , m_services(services)
    , m_dates(dates)
    , m_query(std::move(query))
{
    setModal(true);
    resize(900, 600);

    auto *top = new QGridLayout;
    int column = 0;
    if (dates == Dates::YearPeriod || dates == Dates::YearDate || dates == Dates::Year) {
        cmbEv = new QComboBox(this);
        cmbEv->setObjectName(QStringLiteral("cmbEv"));
        top->addWidget(label(this, QStringLiteral("lblEv"), QStringLiteral("Év:"), cmbEv), 0, column++);
        top->addWidget(cmbEv, 0, column++);
    }
    if (dates == Dates::YearPeriod || dates == Dates::WorkYear) {
        dtpDatumtol = reportDatePicker(this, QStringLiteral("dtpDatumtol"));
        dtpDatumig = reportDatePicker(this, QStringLiteral("dtpDatumig"));
        lblDatumtol = label(this, QStringLiteral("lblDatumtol"), QStringLiteral("Dátumtól:"), dtpDatumtol);
        lblDatumig = label(this, QStringLiteral("lblDatumig"), QStringLiteral("Dátumig:"), dtpDatumig);
        top->addWidget(lblDatumtol, 0, column++);
        top->addWidget(dtpDatumtol, 0, column++);
        top->addWidget(lblDatumig, 0, column++);
        top->addWidget(dtpDatumig, 0, column++);
    }
    if (dates == Dates::DateFrom) {
        dtpDatumtol = reportDatePicker(this, QStringLiteral("dtpDatumtol"));
        lblDatumtol = label(this, QStringLiteral("lblDatumtol"), QStringLiteral("Dátumtól:"), dtpDatumtol);
        top->addWidget(lblDatumtol, 0, column++);
        top->addWidget(dtpDatumtol, 0, column++);
    }
    if (dates == Dates::YearDate || dates == Dates::Date) {
        dtpDatum = reportDatePicker(this, QStringLiteral("dtpDatum"));
        lblDatum = label(this, QStringLiteral("lblDatum"), QStringLiteral("Dátum:"), dtpDatum);
        top->addWidget(lblDatum, 0, column++);
        top->addWidget(dtpDatum, 0, column++);
    }
    m_parameters = new QGridLayout;
    top->addLayout(m_parameters, 0, column++);
    top->setColumnStretch(column, 1);

    BitBtn1 = pushButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Indít"), true);
    BitBtn1->setDefault(true);
    btnNyomtat = pushButton(this, QStringLiteral("btnNyomtat"), QStringLiteral("&Nyomtat"), false);
    btnNyomtat->setEnabled(false);
    btnExport = pushButton(this, QStringLiteral("btnExport"), QStringLiteral("&Export"), false);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), false);
    btnKilep = pushButton(this, QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), false);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *each : {BitBtn1, btnNyomtat, btnExport, btnSugo})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(btnKilep);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 4);
    QPalette gridColours = DBGrid1->palette();
    gridColours.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
    gridColours.setColor(QPalette::Text, QApplication::palette().color(QPalette::ToolTipText));
    DBGrid1->setPalette(gridColours);
    UiGridFormat::install(DBGrid1);

    pnlStatus = new QLabel(this);
    pnlStatus->setObjectName(QStringLiteral("pnlStatus"));
    pnlStatus->setFrameShape(QFrame::Panel);
    pnlStatus->setFrameShadow(QFrame::Sunken);
    pnlStatus->setMinimumHeight(24);
    QFont bold = pnlStatus->font();
    bold.setBold(true);
    pnlStatus->setFont(bold);
    QPalette maroon = pnlStatus->palette();
    maroon.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    pnlStatus->setPalette(maroon);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(pnlStatus);

    connect(BitBtn1, &QPushButton::clicked, this, &TfrmLekBase::BitBtn1Click);
    connect(btnNyomtat, &QPushButton::clicked, this, &TfrmLekBase::btnNyomtatClick);
    connect(btnExport, &QPushButton::clicked, this, &TfrmLekBase::btnExportClick);
    connect(btnSugo, &QPushButton::clicked, this, &TfrmLekBase::btnSugoClick);
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::reject);
    installHelpKey(this, [this] { btnSugoClick(); });

    if (cmbEv) {
        fillYears();
        connect(cmbEv, &QComboBox::currentIndexChanged, this, &TfrmLekBase::cmbEvChange);
    } else if (dates == Dates::WorkYear) {
        const int year = m_settings.munkaEv().toInt();
        dtpDatumtol->setDate(QDate(year > 0 ? year : QDate::currentDate().year(), 1, 1));
        dtpDatumig->setDate(QDate::currentDate());
    } else if (dtpDatum) {
        dtpDatum->setDate(QDate::currentDate());
    } else if (dates == Dates::DateFrom) {
        dtpDatumtol->setDate(QDate::currentDate());
    }

    UiWheelAsArrowKeys::install(this);
}

TfrmLekBase::~TfrmLekBase() = default;

QString TfrmLekBase::progressText()
{
    return QStringLiteral("Kérem várjon, lekérdezés folyamatban...\rEz több percet is igénybevehet!");
}

void TfrmLekBase::setPrintAlwaysEnabled(bool on)
{
    m_printAlways = on;
    btnNyomtat->setEnabled(on);
}

void TfrmLekBase::showEvent(QShowEvent *event)
{
    btnExport->setVisible(!exportFileName().isEmpty());
    QDialog::showEvent(event);
}

void TfrmLekBase::fillYears()
{
    const ReportPeriod::YearList list
        = ReportPeriod::loadYears(Connections::activeWarehouse(m_services));
    const QSignalBlocker block(cmbEv);
    cmbEv->clear();
    cmbEv->addItems(list.years);
    int selected = list.selected;
    if (selected < 0)
        selected = int(list.years.indexOf(m_settings.munkaEv()));
    if (selected < 0 && !list.years.isEmpty())
        selected = int(list.years.size()) - 1;
    cmbEv->setCurrentIndex(selected);
    applyYear(selectedYear());
}

int TfrmLekBase::selectedYear() const
{
    if (cmbEv && cmbEv->currentIndex() >= 0)
        return cmbEv->currentText().toInt();
    const int year = m_settings.munkaEv().toInt();
    return year > 0 ? year : QDate::currentDate().year();
}

ReportParameters TfrmLekBase::parameters() const
{
    ReportParameters values;
    values.year = selectedYear();
    if (dtpDatumtol)
        values.from = dtpDatumtol->date();
    if (dtpDatumig)
        values.to = dtpDatumig->date();
    if (dtpDatum)
        values.date = dtpDatum->date();
    return values;
}

void TfrmLekBase::cmbEvChange()
{
    applyYear(selectedYear());
}

void TfrmLekBase::applyYear(int year)
{
    if (year <= 0)
        year = QDate::currentDate().year();
    const QDate today = QDate::currentDate();
    // Widen first: the new dates may lie outside the old year's limits.
    for (QDateEdit *picker : {dtpDatumtol, dtpDatumig, dtpDatum}) {
        if (picker)
            picker->setDateRange(ReportPeriod::widestMinimum(), ReportPeriod::widestMaximum());
    }
    if (m_dates == Dates::YearPeriod) {
        const ReportPeriod::Period period = ReportPeriod::periodFor(year, today);
        dtpDatumtol->setDate(period.from);
        dtpDatumig->setDate(period.to);
        dtpDatumtol->setDateRange(period.minimum, period.maximum);
        dtpDatumig->setDateRange(period.minimum, period.maximum);
    } else if (m_dates == Dates::YearDate) {
        const ReportPeriod::Period period = ReportPeriod::singleDateFor(year, today);
        dtpDatum->setDate(period.from);
        dtpDatum->setDateRange(period.minimum, period.maximum);
    }
}

void TfrmLekBase::BitBtn1Click()
{
    if (!runConfirmed())
        return;
    m_messenger.showProgress(progressText());
    // Detaching the grid forgets which columns the screen hides (ÁFA, Bruttó without ShowAFA).
    QList<int> hidden;
    for (int column = 0; DBGrid1->model() && column < DBGrid1->model()->columnCount(); ++column) {
        if (DBGrid1->isColumnHidden(column))
            hidden << column;
    }
    DBGrid1->setModel(nullptr); // no repaint while the rows are read
    BitBtn1->setEnabled(false);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const Refusal refused = m_query->run(parameters());

    DBGrid1->setModel(m_query->rows());
    for (int column : std::as_const(hidden))
        DBGrid1->setColumnHidden(column, true);
    UiGridFormat::fitColumns(DBGrid1);
    pnlStatus->setText(m_query->totals());
    btnNyomtat->setEnabled(m_printAlways || (refused.isNull() && m_query->rows()->rowCount() > 0));
    BitBtn1->setEnabled(true);
    if (refused.isNull())
        runFinished();
    m_messenger.hideProgress();
    refused.show(m_messenger);
}

void TfrmLekBase::btnNyomtatClick()
{
    std::unique_ptr<Printout> printout = createPrintout();
    if (!printout)
        return;
    if (m_previewer)
        printout->setPreviewer(m_previewer);
    printout->preview(this, &m_filePrompt);
}

void TfrmLekBase::btnExportClick()
{
    const QString name = exportFileName();
    if (name.isEmpty())
        return;
    TfrmCsvExport::run(this, m_filePrompt, m_messenger, m_query->rows(), name, DBGrid1);
}

void TfrmLekBase::btnSugoClick()
{
    showHelp(this, m_settings, m_messenger, helpPage());
}
