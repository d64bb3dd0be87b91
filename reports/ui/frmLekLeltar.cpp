#include "reports/ui/frmLekLeltar.h"

#include "reports/ui/qrpLeltar.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/VoucherLookups.h"
#include "widgets/ShownLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

TfrmLekLeltar::TfrmLekLeltar(const Services &services, QSqlDatabase warehouse, bool blankSheet, QWidget *parent)
    : TfrmLekBase(services, Dates::YearDate, std::make_unique<InventoryListReport>(warehouse), parent)
    , m_blankSheet(blankSheet)
{
    setObjectName(QStringLiteral("frmLekLeltar"));
    setWindowTitle(blankSheet ? QStringLiteral("Üres leltárív nyomtatása") : QStringLiteral("Anyagleltár lista"));
    lblDatum->setText(QStringLiteral("Leltár zárási dátuma:"));
    comOrder = new QComboBox(this);
    comOrder->setObjectName(QStringLiteral("comOrder"));
    comOrder->addItems(
        {QStringLiteral("Fők. szám + nyilv. szám szerint rendez"), QStringLiteral("Megnevezés szerint rendez")});
    chkNullas = new QCheckBox(QStringLiteral("Nullás tételeket is mutassa"), this);
    chkNullas->setObjectName(QStringLiteral("chkNullas"));
    chkNullas->setChecked(blankSheet);
    chkFokSzam = new QCheckBox(QStringLiteral("Főkönyvi számra szűrés"), this);
    chkFokSzam->setObjectName(QStringLiteral("chkFokSzam"));
    dbcFokSzam = new QComboBox(this);
    dbcFokSzam->setObjectName(QStringLiteral("dbcFokSzam"));
    const QList<VoucherLookups::Entry> accounts = shownLookup(VoucherLookups(warehouse).ledgerAccounts(), services.messenger);
    for (const VoucherLookups::Entry &account : accounts)
        dbcFokSzam->addItem(account.code + QStringLiteral(" - ") + account.text, account.code);
    const int preset = dbcFokSzam->findData(services.settings.defaultFokszam());
    dbcFokSzam->setCurrentIndex(preset >= 0 ? preset : 0);
    parameterLayout()->addWidget(new QLabel(QStringLiteral("Rendezés:"), this), 0, 0);
    parameterLayout()->addWidget(comOrder, 0, 1);
    parameterLayout()->addWidget(chkNullas, 1, 0, 1, 2);
    parameterLayout()->addWidget(chkFokSzam, 2, 0);
    parameterLayout()->addWidget(dbcFokSzam, 2, 1);

    DBGrid1->setModel(query().rows());
    const bool showAfa = services.settings.showAFA();
    DBGrid1->setColumnHidden(7, !showAfa);
    DBGrid1->setColumnHidden(8, !showAfa);
    pnlStatus->setText(QStringLiteral("Összesítés:"));
    connect(comOrder, &QComboBox::currentIndexChanged, this, &TfrmLekLeltar::applyView);
    connect(chkNullas, &QCheckBox::toggled, this, &TfrmLekLeltar::applyView);
    connect(chkFokSzam, &QCheckBox::toggled, this, &TfrmLekLeltar::applyView);
    connect(dbcFokSzam, &QComboBox::currentIndexChanged, this, &TfrmLekLeltar::applyView);
}

QString TfrmLekLeltar::helpPage() const
{
    return m_blankSheet ? QStringLiteral("leltariv.htm") : QStringLiteral("lekleltar.htm");
}

InventoryListReport &TfrmLekLeltar::list() const
{
    return static_cast<InventoryListReport &>(query());
}

ReportParameters TfrmLekLeltar::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.filters.insert(InventoryListReport::WorkYear, m_settings.munkaEv().toInt());
    values.filters.insert(InventoryListReport::ShowZero, chkNullas->isChecked());
    values.filters.insert(InventoryListReport::LedgerAccount,
        chkFokSzam->isChecked() ? dbcFokSzam->currentData().toString() : QString());
    values.filters.insert(InventoryListReport::ByName, comOrder->currentIndex() == 1);
    values.filters.insert(InventoryListReport::ShowAfa, m_settings.showAFA());
    return values;
}

void TfrmLekLeltar::applyView()
{
    list().applyView(parameters());
    pnlStatus->setText(list().totals());
    btnNyomtat->setEnabled(!list().lines().isEmpty());
}

std::unique_ptr<Printout> TfrmLekLeltar::createPrintout()
{
    return std::make_unique<TqrpLeltar>(
        m_settings, m_messenger, list().lines(), dtpDatum->date(), m_blankSheet, m_settings.showAFA());
}
