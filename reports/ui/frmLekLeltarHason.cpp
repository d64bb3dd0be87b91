#include "reports/ui/frmLekLeltarHason.h"

#include "core/NumberFormat.h"
#include "core/Refusal.h"
#include "reports/ui/qrpLeltarKul.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/StockFormat.h"
#include "stock/StockMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr int RealStockColumn = 6;

} // namespace

TfrmLekLeltarHason::TfrmLekLeltarHason(
    const Services &services, QSqlDatabase warehouse, bool comparison, QWidget *parent)
    : TfrmLekBase(services.settings, services.messenger, services.files, Dates::Date, parent)
    , m_sheet(warehouse)
    , m_comparison(comparison)
{
    setObjectName(QStringLiteral("frmLekLeltarHason"));
    setWindowTitle(comparison ? QStringLiteral("Tárolt és valós készlet összehasonlítása")
                              : QStringLiteral("Leltár külömbözet kidolgozása"));
    lblDatum->setText(QStringLiteral("Leltár zárási dátuma:"));
    BitBtn1->setText(comparison ? QStringLiteral("Indít") : QStringLiteral("Új"));
    comOrder = new QComboBox(this);
    comOrder->setObjectName(QStringLiteral("comOrder"));
    comOrder->addItems(
        {QStringLiteral("Fők. szám + nyilv. szám szerint rendez"), QStringLiteral("Megnevezés szerint rendez")});
    chkErrorPrint = new QCheckBox(QStringLiteral("Csak a hibás sorok nyomtatása"), this);
    chkErrorPrint->setObjectName(QStringLiteral("chkErrorPrint"));
    parameterLayout()->addWidget(new QLabel(QStringLiteral("Rendezés:"), this), 0, 0);
    parameterLayout()->addWidget(comOrder, 0, 1);
    parameterLayout()->addWidget(chkErrorPrint, 1, 0, 1, 2);

    m_model = new QStandardItemModel(0, 10, this);
    m_model->setHorizontalHeaderLabels({QStringLiteral("Fők. sz."), QStringLiteral("Nyilv. szám"),
        QStringLiteral("Megnevezés"), QStringLiteral("Nyilv. ár"), QStringLiteral("Program érték"),
        comparison ? QStringLiteral("Egyenleg") : QStringLiteral("Program készlet"),
        comparison ? QStringLiteral("Készlet") : QStringLiteral("Valós készlet"), QStringLiteral("Eltérés"),
        QStringLiteral("Mért. egys."), QStringLiteral("Eltérés érték")});
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(comparison ? QAbstractItemView::NoEditTriggers : QAbstractItemView::AllEditTriggers);
    connect(m_model, &QStandardItemModel::itemChanged, this, &TfrmLekLeltarHason::realStockEdited);
    connect(comOrder, &QComboBox::currentIndexChanged, this, &TfrmLekLeltarHason::showSheet);
    connect(chkErrorPrint, &QCheckBox::toggled, this, &TfrmLekLeltarHason::showSheet);
    // The kept sheet is shown again; the stock comparison always starts empty.
    if (comparison)
        m_sheet.clear();
    showSheet();
}

TfrmLekBase::RunResult TfrmLekLeltarHason::runQuery()
{
    QString error;
    if (!m_sheet.start(dtpDatum->date(), m_settings.munkaEv().toInt(), m_comparison, &error))
        return {0, error};
    showSheet();
    return {int(m_rows.size()), QString()};
}

void TfrmLekLeltarHason::showSheet()
{
    m_filling = true;
    m_rows = m_sheet.rows(comOrder->currentIndex() == 1, chkErrorPrint->isChecked());
    m_model->removeRows(0, m_model->rowCount());
    for (const InventoryDifference::Row &row : m_rows) {
        QList<QStandardItem *> cells {new QStandardItem(row.fokSzam), new QStandardItem(row.nyilvSzam),
            new QStandardItem(row.megnevezes), new QStandardItem(StockFormat::price(row.nyilvAr)),
            new QStandardItem(StockFormat::price(row.keszletErtek)),
            new QStandardItem(NumberFormat::format(row.keszletMenny, QStringLiteral("0.000"))),
            new QStandardItem(NumberFormat::plain(row.valosKeszlet)),
            new QStandardItem(NumberFormat::format(row.elteres, QStringLiteral("0.000"))),
            new QStandardItem(row.mertekegyseg), new QStandardItem(StockFormat::price(row.elteresAr))};
        for (int column = 0; column < cells.size(); ++column) {
            if (column != RealStockColumn)
                cells[column]->setEditable(false);
            else if (m_comparison)
                cells[column]->setForeground(Qt::blue);
            if (row.elteres != 0 && column != RealStockColumn) {
                cells[column]->setBackground(Qt::red);
                cells[column]->setForeground(Qt::white);
            }
        }
        m_model->appendRow(cells);
    }
    pnlStatus->setText(InventoryDifference::statusText(m_sheet.totals()));
    btnNyomtat->setEnabled(!m_rows.isEmpty());
    m_filling = false;
}

void TfrmLekLeltarHason::realStockEdited(QStandardItem *item)
{
    if (m_filling || item->column() != RealStockColumn || item->row() >= m_rows.size())
        return;
    const std::optional<double> quantity = StockFormat::typedQuantity(item->text());
    if (!quantity) {
        Refusal::error(QStringLiteral("Hibás számot adott meg!")).show(m_messenger);
    } else {
        const InventoryDifference::Row &row = m_rows.at(item->row());
        QString error;
        if (!m_sheet.setRealStock(row.fokSzam, row.nyilvSzam, *quantity, &error) && !error.isEmpty())
            Refusal::error(StockMessages::databaseError(error)).show(m_messenger);
    }
    const int current = item->row();
    QMetaObject::invokeMethod(
        this,
        [this, current] {
            showSheet();
            DBGrid1->setCurrentIndex(m_model->index(qMin(current, m_model->rowCount() - 1), RealStockColumn));
        },
        Qt::QueuedConnection);
}

QAbstractItemModel *TfrmLekLeltarHason::resultModel() const
{
    return m_model;
}

std::unique_ptr<Printout> TfrmLekLeltarHason::createPrintout()
{
    return std::make_unique<TqrpLeltarKul>(m_settings, m_messenger, m_rows, dtpDatum->date());
}
