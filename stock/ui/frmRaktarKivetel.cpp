#include "stock/ui/frmRaktarKivetel.h"

#include "core/Messenger.h"
#include "core/NumberFormat.h"
#include "core/Refusal.h"
#include "proceedings/ui/frmEditbox.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/MovementRow.h"
#include "stock/StockAtDate.h"
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


TfrmRaktarKivetel::TfrmRaktarKivetel(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : VoucherScreen(services, warehouse, QStringLiteral("KI"), parent)
{
    setObjectName(QStringLiteral("frmRaktarKivetel"));
    setWindowTitle(QStringLiteral("Kiadási bizonylat felvitele"));
    buildCommon(QStringLiteral("Kiadási bizonylat fejléc"));
    lblLeltar = new QLabel(QStringLiteral("-"), m_item);
    lblLeltar->setObjectName(QStringLiteral("lblLeltar"));
    lblFigyelmeztet = new QLabel(QStringLiteral("Leltár újrakalkuláció szükséges!"), m_item);
    lblFigyelmeztet->setObjectName(QStringLiteral("lblFigyelmeztet"));
    lblFigyelmeztet->setStyleSheet(QStringLiteral("color: red;"));
    lblLeltarMertekegyseg = new QLabel(m_item);
    lblLeltarMertekegyseg->setObjectName(QStringLiteral("lblLeltarMertekegyseg"));
    m_itemLayout->addWidget(new QLabel(QStringLiteral("Készlet:"), m_item), 4, 0);
    m_itemLayout->addWidget(lblLeltar, 4, 1);
    m_itemLayout->addWidget(lblLeltarMertekegyseg, 4, 2);
    m_itemLayout->addWidget(lblFigyelmeztet, 7, 0, 1, 3);
    spdNew->setToolTip(QStringLiteral("Leltár újrakalkuláció"));
    spdNew->setText(QStringLiteral("L"));
    connect(spdNew, &QToolButton::clicked, this, &TfrmRaktarKivetel::spdNewClick);
    connect(dtpBizDatum, &QDateEdit::dateChanged, this, &TfrmRaktarKivetel::stockOutOfDate);

    // With KiadAr off the price is the recalculation's alone: the fields only show it.
    const bool typed = services.settings.kiadAr();
    for (QLineEdit *field : {fleNEar, fleBrEar, fleKiadAr, fleBroar}) {
        field->setReadOnly(!typed);
        if (!typed)
            field->setStyleSheet(QStringLiteral("background-color: palette(button);"));
    }
    finishLayout();
    QList<QWidget *> chain {
        edtBizSorsz, dtpBizDatum, dbcMozgnem, dbcPartner, dbcFokszam, dbcAnyag, edtAnyagKod, edtMennyiseg, dbcAfa};
    if (typed)
        chain << fleNEar << fleBrEar << fleKiadAr << fleBroar;
    chain << btnRogzit;
    UiEnterMovesFocus::install(chain);

    const QDate closed = services.settings.lezartHoDat();
    if (closed.isValid())
        dtpBizDatum->setMinimumDate(closed.addDays(1));
    startNewVoucher(QStringLiteral("03"), QStringLiteral("00001"));
    materialChosen(true);
}

int TfrmRaktarKivetel::runNew()
{
    return exec();
}

void TfrmRaktarKivetel::spdNewClick()
{
    Messenger &messenger = m_services.messenger;
    messenger.showProgress(QStringLiteral("Kérem várjon, lekérdezés folyamatban...\rEz több percet is igénybevehet!"));
    QString error;
    StockAtDate stockAtDate(m_db);
    const QList<StockLine> lines
        = stockAtDate.compute(dtpBizDatum->date(), m_services.settings.munkaEv().toInt(), &error);
    const bool filled = error.isEmpty() && stockAtDate.writeLeltar(lines, &error);
    messenger.hideProgress();
    m_stock.clear();
    if (!filled) {
        Refusal::error(error).show(messenger);
        stockOutOfDate();
        return;
    }
    for (const StockLine &line : lines)
        m_stock.insert(MaterialKey {line.fokSzam, line.nyilvSzam}, line.keszletMenny);
    lblFigyelmeztet->setVisible(false);
    showStock();
}

void TfrmRaktarKivetel::voucherDateSet()
{
    // The stock shown is the stock on the voucher date: computed once the date is in place.
    if (m_services.settings.autoLeltar())
        spdNewClick();
    else
        stockOutOfDate();
}

void TfrmRaktarKivetel::stockOutOfDate()
{
    m_stock.clear();
    lblFigyelmeztet->setVisible(true);
    showStock();
}

void TfrmRaktarKivetel::showStock()
{
    const VoucherLookups::Material *material = currentMaterial();
    const auto found = material ? m_stock.constFind(MaterialKey {material->fokSzla, material->nyilvSzam}) : m_stock.constEnd();
    lblLeltar->setText(
        found == m_stock.constEnd() ? QStringLiteral("-") : NumberFormat::format(*found, QStringLiteral("0.00")));
    lblLeltarMertekegyseg->setText(material ? material->mertekegyseg : QString());
}

bool TfrmRaktarKivetel::pricesTyped() const
{
    return m_services.settings.kiadAr();
}

void TfrmRaktarKivetel::materialChosen(bool byUser)
{
    const VoucherLookups::Material *material = currentMaterial();
    if (byUser && material)
        fleNEar->setText(StockFormat::price(material->nyilvAr.rounded(0)));
    VoucherScreen::materialChosen(byUser);
    showStock();
}

void TfrmRaktarKivetel::fillPricesFromRow(const MovementRow &row)
{
    ItemPrices prices;
    prices.netTotal = row.tetelErtek;
    showPrices(ItemPrices::compute(ItemPrices::Typed::NetTotal, prices, row.tetelMenny, vatPercent()));
}

void TfrmRaktarKivetel::afterRecorded()
{
    // The item fields keep their values: the next item starts from this one. The stock shown
    // no longer holds after the issue.
    if (m_services.settings.autoLeltar())
        spdNewClick();
    else
        stockOutOfDate();
}

void TfrmRaktarKivetel::reject()
{
    if (dbcMozgnem->currentData().toString() == QLatin1String("06")
        && m_services.messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question,
               QStringLiteral("Kívánja a veszteségi jegyzőkönyvet kinyomtatni?"), QStringLiteral("Nem"),
               QStringLiteral("Igen"))
            == MsgResult::Yes) {
        TfrmEditbox editor(m_services, this);
        editor.exec();
    }
    VoucherScreen::reject();
}
