#include "reports/ui/frmLekLeltarHason.h"

#include "core/Messenger.h"
#include "core/Refusal.h"
#include "reports/ui/qrpLeltarKul.h"
#include "session/Services.h"
#include "session/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

TfrmLekLeltarHason::TfrmLekLeltarHason(
    const Services &services, QSqlDatabase warehouse, bool comparison, QWidget *parent)
    : TfrmLekBase(services, Dates::Date,
        std::make_unique<InventoryDifferenceReport>(
            warehouse, InventoryDifference::Owner::here(services.settings.loginUser()), comparison),
        parent)
    , m_comparison(comparison)
{
    setObjectName(QStringLiteral("frmLekLeltarHason"));
    setWindowTitle(comparison ? QStringLiteral("Tárolt és valós készlet összehasonlítása")
                              : QStringLiteral("Leltár külömbözet kidolgozása"));
    lblDatum->setText(QStringLiteral("Leltár zárási dátuma:"));
    BitBtn1->setText(comparison ? QStringLiteral("Indít") : QStringLiteral("Új"));
    // Enter in the date or the grid must never start a new sheet over the typed counts.
    BitBtn1->setDefault(false);
    BitBtn1->setAutoDefault(false);
    comOrder = new QComboBox(this);
    comOrder->setObjectName(QStringLiteral("comOrder"));
    comOrder->addItems(
        {QStringLiteral("Fők. szám + nyilv. szám szerint rendez"), QStringLiteral("Megnevezés szerint rendez")});
    chkErrorPrint = new QCheckBox(QStringLiteral("Csak a hibás sorok nyomtatása"), this);
    chkErrorPrint->setObjectName(QStringLiteral("chkErrorPrint"));
    parameterLayout()->addWidget(new QLabel(QStringLiteral("Rendezés:"), this), 0, 0);
    parameterLayout()->addWidget(comOrder, 0, 1);
    parameterLayout()->addWidget(chkErrorPrint, 1, 0, 1, 2);

    DBGrid1->setModel(query().rows());
    DBGrid1->setEditTriggers(comparison ? QAbstractItemView::NoEditTriggers : QAbstractItemView::AllEditTriggers);
    connect(&sheet().model(), &QStandardItemModel::itemChanged, this, &TfrmLekLeltarHason::realStockEdited);
    connect(comOrder, &QComboBox::currentIndexChanged, this, &TfrmLekLeltarHason::showSheet);
    connect(chkErrorPrint, &QCheckBox::toggled, this, &TfrmLekLeltarHason::showSheet);
    // The kept sheet is shown again; the stock comparison always starts empty.
    if (comparison)
        sheet().clear().show(m_messenger);
    showSheet();
}

bool TfrmLekLeltarHason::runConfirmed()
{
    return !sheet().wouldDiscardTypedCounts()
        || m_messenger.showMessage(QStringLiteral("Megerősítés"), Symbol::Warning,
               InventoryDifferenceReport::discardQuestion(), QStringLiteral("Igen"), QStringLiteral("Nem"))
        == MsgResult::Yes;
}

InventoryDifferenceReport &TfrmLekLeltarHason::sheet() const
{
    return static_cast<InventoryDifferenceReport &>(query());
}

ReportParameters TfrmLekLeltarHason::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.filters.insert(InventoryDifferenceReport::WorkYear, m_settings.munkaEv().toInt());
    values.filters.insert(InventoryDifferenceReport::ByName, comOrder->currentIndex() == 1);
    values.filters.insert(InventoryDifferenceReport::OnlyDifferences, chkErrorPrint->isChecked());
    return values;
}

void TfrmLekLeltarHason::showSheet()
{
    m_filling = true;
    sheet().show(parameters()).show(m_messenger);
    pnlStatus->setText(sheet().totals());
    btnNyomtat->setEnabled(!sheet().shownRows().isEmpty());
    m_filling = false;
}

void TfrmLekLeltarHason::realStockEdited(QStandardItem *item)
{
    if (m_filling || item->column() != InventoryDifferenceReport::RealStockColumn)
        return;
    const int current = item->row();
    const QString typed = item->text();
    // The model is rebuilt by the change: leave the edit's own signal first.
    QMetaObject::invokeMethod(
        this,
        [this, current, typed] {
            m_filling = true;
            const Refusal refused = sheet().setRealStock(current, typed, parameters());
            m_filling = false;
            pnlStatus->setText(sheet().totals());
            const int rows = query().rows()->rowCount();
            DBGrid1->setCurrentIndex(
                query().rows()->index(qMin(current, rows - 1), InventoryDifferenceReport::RealStockColumn));
            refused.show(m_messenger);
        },
        Qt::QueuedConnection);
}

std::unique_ptr<Printout> TfrmLekLeltarHason::createPrintout()
{
    return std::make_unique<TqrpLeltarKul>(m_settings, m_messenger, sheet().shownRows(), dtpDatum->date());
}
