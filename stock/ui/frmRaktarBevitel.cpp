#include "stock/ui/frmRaktarBevitel.h"

#include "core/TypedNumber.h"
#include "master/ui/frmTallozasAnyag.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/MovementRow.h"
#include "stock/StockFormat.h"
#include "widgets/UiEnterMovesFocus.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

TfrmRaktarBevitel::TfrmRaktarBevitel(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : VoucherScreen(services, warehouse, QStringLiteral("BE"), parent)
{
    setObjectName(QStringLiteral("frmRaktarBevitel"));
    setWindowTitle(QStringLiteral("Bevételi bizonylat felvitele"));
    buildCommon(QStringLiteral("Bevételi bizonylat fejléc"));
    fleAfa = new QLineEdit(m_item);
    fleAfa->setObjectName(QStringLiteral("fleAfa"));
    fleAfa->setReadOnly(true);
    fleAfa->setAlignment(Qt::AlignRight);
    dtpLejarat = new QDateEdit(m_item);
    dtpLejarat->setObjectName(QStringLiteral("dtpLejarat"));
    dtpLejarat->setCalendarPopup(true);
    dtpLejarat->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
    dtpLejarat->setDate(QDate::currentDate());
    priceLayout()->addWidget(new QLabel(QStringLiteral("Összár ÁFA:"), m_item), 2, 2);
    priceLayout()->addWidget(fleAfa, 2, 3);
    priceLayout()->addWidget(new QLabel(QStringLiteral("Lejárat dátuma:"), m_item), 2, 0);
    priceLayout()->addWidget(dtpLejarat, 2, 1);
    spdNew->setToolTip(QStringLiteral("Új anyag felvitele"));
    spdNew->setText(QStringLiteral("+"));
    setMaterialBrowser([this](QWidget *parent) {
        TfrmTallozasAnyag browse(m_services, parent);
        browse.exec();
    });
    connect(spdNew, &QToolButton::clicked, this, &TfrmRaktarBevitel::spdNewClick);
    finishLayout();
    UiEnterMovesFocus::install({edtBizSorsz, dtpBizDatum, dbcMozgnem, dbcPartner, dbcFokszam, edtAnyagKod, dbcAnyag,
        edtMennyiseg, dbcAfa, fleNEar, fleBrEar, dtpLejarat, fleKiadAr, fleBroar, fleAfa, btnRogzit});

    const int workYear = services.settings.munkaEv().toInt();
    if (workYear > 0)
        dtpBizDatum->setMaximumDate(QDate(workYear + 1, 12, 31));
    startNewVoucher(QStringLiteral("01"), services.settings.defaultPartner());
}

void TfrmRaktarBevitel::setMaterialBrowser(std::function<void(QWidget *parent)> browser)
{
    m_materialBrowser = std::move(browser);
    spdNew->setVisible(bool(m_materialBrowser));
}

int TfrmRaktarBevitel::runNew()
{
    return exec();
}

void TfrmRaktarBevitel::spdNewClick()
{
    if (!m_materialBrowser)
        return;
    const QString fokSzla = dbcFokszam->currentData().toString();
    const QString nyilvSzam = edtAnyagKod->text();
    m_materialBrowser(this);
    selectLedger(fokSzla);
    for (int i = 0; i < m_materials.size(); ++i) {
        if (m_materials.at(i).nyilvSzam == nyilvSzam)
            dbcAnyag->setCurrentIndex(i);
    }
    materialChosen(false);
}

Checked<StockItem> TfrmRaktarBevitel::collectItem() const
{
    Checked<StockItem> item = VoucherScreen::collectItem();
    if (!item.ok())
        return item;
    const std::optional<Money> vatTotal = StockFormat::typedMoney(fleAfa->text());
    if (!vatTotal)
        return Checked<StockItem>::refused(TypedNumber::refusal(fleAfa->text(), fleAfa->objectName()));
    item.value.vatTotal = *vatTotal;
    item.value.lejarat = dtpLejarat->date();
    return item;
}

void TfrmRaktarBevitel::pricesComputed(const ItemPrices &prices)
{
    fleAfa->setText(StockFormat::price(prices.vatTotal));
}

void TfrmRaktarBevitel::fillPricesFromRow(const MovementRow &row)
{
    ItemPrices prices;
    prices.netTotal = row.tetelErtek;
    prices.netUnit = row.beAr;
    prices.grossTotal = row.brutto;
    prices.vatTotal = row.afaErtek;
    prices.grossUnit = ItemPrices::compute(ItemPrices::Typed::GrossTotal, prices, row.tetelMenny, 0).grossUnit;
    showPrices(prices);
    fleAfa->setText(StockFormat::price(prices.vatTotal));
    if (row.lejarat.isValid())
        dtpLejarat->setDate(row.lejarat);
}

void TfrmRaktarBevitel::afterRecorded()
{
    selectLedger(m_services.settings.defaultFokszam());
    edtMennyiseg->setText(QStringLiteral("0"));
    showPrices(ItemPrices());
    fleAfa->setText(StockFormat::price(Money()));
    dtpLejarat->setDate(QDate::currentDate());
}
