#include "reports/ui/frmLekLeltar.h"

#include "core/NumberFormat.h"
#include "reports/ui/qrpLeltar.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/VoucherLookups.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

TfrmLekLeltar::TfrmLekLeltar(const Services &services, QSqlDatabase warehouse, bool blankSheet, QWidget *parent)
    : TfrmLekBase(services.settings, services.messenger, services.files, Dates::YearDate, parent)
    , m_db(warehouse)
    , m_blankSheet(blankSheet)
    , m_list(warehouse)
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
    for (const VoucherLookups::Entry &account : VoucherLookups(warehouse).ledgerAccounts())
        dbcFokSzam->addItem(account.code + QStringLiteral(" - ") + account.text, account.code);
    const int preset = dbcFokSzam->findData(services.settings.defaultFokszam());
    dbcFokSzam->setCurrentIndex(preset >= 0 ? preset : 0);
    parameterLayout()->addWidget(new QLabel(QStringLiteral("Rendezés:"), this), 0, 0);
    parameterLayout()->addWidget(comOrder, 0, 1);
    parameterLayout()->addWidget(chkNullas, 1, 0, 1, 2);
    parameterLayout()->addWidget(chkFokSzam, 2, 0);
    parameterLayout()->addWidget(dbcFokSzam, 2, 1);

    m_model = new QStandardItemModel(0, 10, this);
    m_model->setHorizontalHeaderLabels({QStringLiteral("Fk. sz."), QStringLiteral("Azon."), QStringLiteral("Anyagnév"),
        QStringLiteral("Készlet"), QStringLiteral("Me."), QStringLiteral("Nyilv. ár"), QStringLiteral("Készlet érték"),
        QStringLiteral("ÁFA"), QStringLiteral("Bruttó"), QStringLiteral("Szorzó")});
    DBGrid1->setModel(m_model);
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

InventoryList::Parameters TfrmLekLeltar::parameters() const
{
    InventoryList::Parameters parameters;
    parameters.date = dtpDatum->date();
    parameters.chosenYear = selectedYear();
    parameters.workYear = m_settings.munkaEv().toInt();
    parameters.showZero = chkNullas->isChecked();
    parameters.ledgerAccount = chkFokSzam->isChecked() ? dbcFokSzam->currentData().toString() : QString();
    parameters.byName = comOrder->currentIndex() == 1;
    return parameters;
}

TfrmLekBase::RunResult TfrmLekLeltar::runQuery()
{
    QString error;
    if (!m_list.run(parameters(), &error))
        return {0, error};
    m_ran = true;
    showRows();
    return {int(m_list.rows().size()), QString()};
}

void TfrmLekLeltar::applyView()
{
    if (!m_ran)
        return;
    m_list.applyView(parameters());
    showRows();
    btnNyomtat->setEnabled(!m_list.rows().isEmpty());
}

void TfrmLekLeltar::showRows()
{
    m_model->removeRows(0, m_model->rowCount());
    for (const StockLine &line : m_list.rows()) {
        QList<QStandardItem *> cells {new QStandardItem(line.fokSzam), new QStandardItem(line.nyilvSzam),
            new QStandardItem(line.megnevezes),
            new QStandardItem(NumberFormat::format(line.keszletMenny, QStringLiteral("0.000"))),
            new QStandardItem(line.mertekegyseg),
            new QStandardItem(NumberFormat::format(line.nyilvAr, QStringLiteral("0.00"))),
            new QStandardItem(NumberFormat::format(line.keszletErtek, QStringLiteral("0.00"))),
            new QStandardItem(NumberFormat::format(line.keszletAfa, QStringLiteral("0.00"))),
            new QStandardItem(NumberFormat::format(line.keszletBrutto, QStringLiteral("0.00"))),
            new QStandardItem(NumberFormat::plain(line.szorzo))};
        for (int column : {3, 5, 6, 7, 8, 9})
            cells[column]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_model->appendRow(cells);
    }
    pnlStatus->setText(m_list.statusText(m_settings.showAFA()));
}

QAbstractItemModel *TfrmLekLeltar::resultModel() const
{
    return m_model;
}

std::unique_ptr<Printout> TfrmLekLeltar::createPrintout()
{
    return std::make_unique<TqrpLeltar>(
        m_settings, m_messenger, m_list.rows(), dtpDatum->date(), m_blankSheet, m_settings.showAFA());
}
