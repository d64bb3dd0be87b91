#include "stock/ui/VoucherScreen.h"

#include "core/Codes.h"
#include "core/Dates.h"
#include "core/Messenger.h"
#include "core/NumberFormat.h"
#include "core/TypedNumber.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/MovementTable.h"
#include "stock/StockFormat.h"
#include "stock/StockLedger.h"
#include "stock/StockMessages.h"
#include "stock/StockSql.h"
#include "stock/VoucherNumbers.h"
#include "stock/ui/VoucherPrintout.h"
#include "widgets/UiBoundedField.h"
#include "widgets/UiControls.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiHelp.h"
#include "widgets/UiWheelAsArrowKeys.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <map>

namespace {

QLineEdit *priceEdit(QWidget *parent, const char *name)
{
    QLineEdit *edit = named(new QLineEdit(parent), name);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

void selectData(QComboBox *combo, const QString &code)
{
    const int index = combo->findData(code);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace

VoucherScreen::VoucherScreen(
    const Services &services, QSqlDatabase warehouse, const QString &direction, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_db(warehouse)
    , m_lookups(warehouse)
    , m_direction(direction)
{
}

VoucherScreen::~VoucherScreen() = default;

void VoucherScreen::buildCommon(const QString &headerTitle)
{
    m_header = new QGroupBox(headerTitle, this);
    auto *header = new QGridLayout(m_header);
    edtBizSorsz = named(new QLineEdit(m_header), "edtBizSorsz");
    UiBoundedField::limit(edtBizSorsz, 8);
    dtpBizDatum = named(new QDateEdit(m_header), "dtpBizDatum");
    dtpBizDatum->setCalendarPopup(true);
    dtpBizDatum->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
    dbcMozgnem = named(new QComboBox(m_header), "dbcMozgnem");
    dbcPartner = named(new QComboBox(m_header), "dbcPartner");
    lblCim = named(new QLabel(m_header), "lblCim");
    lblSorszam = named(new QLabel(m_header), "lblSorszam");
    lblNetto = named(new QLabel(m_header), "lblNetto");
    lblAfa = named(new QLabel(m_header), "lblAfa");
    lblBrutto = named(new QLabel(m_header), "lblBrutto");
    header->addWidget(new QLabel(QStringLiteral("Bizonylat sorszáma:"), m_header), 0, 0);
    header->addWidget(edtBizSorsz, 0, 1);
    header->addWidget(new QLabel(QStringLiteral("Bizonylat kiállítási dátuma:"), m_header), 1, 0);
    header->addWidget(dtpBizDatum, 1, 1);
    header->addWidget(new QLabel(QStringLiteral("Mozgásnem:"), m_header), 2, 0);
    header->addWidget(dbcMozgnem, 2, 1);
    header->addWidget(new QLabel(QStringLiteral("Szállító adatai:"), m_header), 3, 0);
    header->addWidget(dbcPartner, 3, 1);
    header->addWidget(lblCim, 4, 1);
    header->addWidget(new QLabel(QStringLiteral("Azonosító:"), m_header), 0, 2);
    header->addWidget(lblSorszam, 0, 3);
    header->addWidget(new QLabel(QStringLiteral("Bizonylat összesítés:"), m_header), 1, 2);
    header->addWidget(new QLabel(QStringLiteral("Nettó:"), m_header), 2, 2);
    header->addWidget(lblNetto, 2, 3);
    header->addWidget(new QLabel(QStringLiteral("ÁFA:"), m_header), 3, 2);
    header->addWidget(lblAfa, 3, 3);
    header->addWidget(new QLabel(QStringLiteral("Bruttó:"), m_header), 4, 2);
    header->addWidget(lblBrutto, 4, 3);

    m_item = new QGroupBox(this);
    m_itemLayout = new QGridLayout(m_item);
    dbcFokszam = named(new QComboBox(m_item), "dbcFokszam");
    edtAnyagKod = named(new QLineEdit(m_item), "edtAnyagKod");
    UiBoundedField::limit(edtAnyagKod, 4);
    dbcAnyag = named(new QComboBox(m_item), "dbcAnyag");
    spdNew = named(new QToolButton(m_item), "spdNew");
    edtMennyiseg = named(new QLineEdit(m_item), "edtMennyiseg");
    edtMennyiseg->setAlignment(Qt::AlignRight);
    lblMertekegyseg = named(new QLabel(m_item), "lblMertekegyseg");
    dbcAfa = named(new QComboBox(m_item), "dbcAfa");
    m_itemLayout->addWidget(new QLabel(QStringLiteral("Főkönyvi szám:"), m_item), 0, 0);
    m_itemLayout->addWidget(dbcFokszam, 0, 1);
    m_itemLayout->addWidget(new QLabel(QStringLiteral("Nyilvántartási szám:"), m_item), 1, 0);
    m_itemLayout->addWidget(edtAnyagKod, 1, 1);
    m_itemLayout->addWidget(new QLabel(QStringLiteral("Anyag megnevezése:"), m_item), 2, 0);
    m_itemLayout->addWidget(dbcAnyag, 2, 1);
    m_itemLayout->addWidget(spdNew, 2, 2);
    m_itemLayout->addWidget(new QLabel(QStringLiteral("Mennyiség:"), m_item), 3, 0);
    m_itemLayout->addWidget(edtMennyiseg, 3, 1);
    m_itemLayout->addWidget(lblMertekegyseg, 3, 2);
    m_itemLayout->addWidget(new QLabel(QStringLiteral("ÁFA %:"), m_item), 5, 0);
    m_itemLayout->addWidget(dbcAfa, 5, 1);

    fleNEar = priceEdit(m_item, "fleNEar");
    fleBrEar = priceEdit(m_item, "fleBrEar");
    fleKiadAr = priceEdit(m_item, "fleKiadAr");
    fleBroar = priceEdit(m_item, "fleBroar");
    m_prices = new QGridLayout;
    m_prices->addWidget(new QLabel(QStringLiteral("Nettó egységár:"), m_item), 0, 0);
    m_prices->addWidget(fleNEar, 0, 1);
    m_prices->addWidget(new QLabel(QStringLiteral("Bruttó egységár:"), m_item), 1, 0);
    m_prices->addWidget(fleBrEar, 1, 1);
    m_prices->addWidget(new QLabel(QStringLiteral("Nettó összár:"), m_item), 0, 2);
    m_prices->addWidget(fleKiadAr, 0, 3);
    m_prices->addWidget(new QLabel(QStringLiteral("Bruttó összár:"), m_item), 1, 2);
    m_prices->addWidget(fleBroar, 1, 3);
    m_itemLayout->addLayout(m_prices, 6, 0, 1, 3);

    tblTetelek = named(new QTableView(this), "tblTetelek");
    m_itemsModel = new QStandardItemModel(0, 6, this);
    m_itemsModel->setHorizontalHeaderLabels(
        {QStringLiteral("Fők. szám"), QStringLiteral("Azonosító"), QStringLiteral("Megnevezés"),
            QStringLiteral("Mennyiség"), QStringLiteral("Mértegys."), QStringLiteral("Nettó ár")});
    tblTetelek->setModel(m_itemsModel);
    tblTetelek->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblTetelek->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTetelek->horizontalHeader()->setStretchLastSection(true);

    btnRogzit = named(new QPushButton(this), "btnRogzit");
    btnRogzit->setText(QStringLiteral("&Rögzít"));
    btnMegse = named(new QPushButton(this), "btnMegse");
    btnMegse->setText(QStringLiteral("&Mégse"));
    btnSugo = named(new QPushButton(this), "btnSugo");
    btnSugo->setText(QStringLiteral("&Súgó"));
    btnPrint = named(new QPushButton(this), "btnPrint");
    btnPrint->setText(QStringLiteral("&Nyomtat"));
    for (QPushButton *button : {btnRogzit, btnMegse, btnSugo, btnPrint})
        button->setAutoDefault(false);

    connect(edtBizSorsz, &QLineEdit::editingFinished, this, &VoucherScreen::edtBizSorszExit);
    connect(dtpBizDatum, &QDateEdit::dateChanged, this, &VoucherScreen::dtpBizDatumChange);
    connect(dbcPartner, &QComboBox::currentIndexChanged, this, &VoucherScreen::dbcPartnerChange);
    connect(dbcFokszam, &QComboBox::activated, this, &VoucherScreen::dbcFokszamChange);
    connect(dbcAnyag, &QComboBox::activated, this, &VoucherScreen::dbcAnyagChange);
    connect(edtAnyagKod, &QLineEdit::returnPressed, this, &VoucherScreen::edtAnyagKodEnter);
    connect(dbcAfa, &QComboBox::activated, this, [this] { recomputePrices(ItemPrices::Typed::NetUnit); });
    connect(edtMennyiseg, &QLineEdit::textEdited, this, [this] { recomputePrices(ItemPrices::Typed::NetUnit); });
    connect(edtMennyiseg, &QLineEdit::editingFinished, this, &VoucherScreen::showRoundedQuantity);
    connect(fleNEar, &QLineEdit::textEdited, this, [this] { recomputePrices(ItemPrices::Typed::NetUnit); });
    connect(fleBrEar, &QLineEdit::textEdited, this, [this] { recomputePrices(ItemPrices::Typed::GrossUnit); });
    connect(fleKiadAr, &QLineEdit::textEdited, this, [this] { recomputePrices(ItemPrices::Typed::NetTotal); });
    connect(fleBroar, &QLineEdit::textEdited, this, [this] { recomputePrices(ItemPrices::Typed::GrossTotal); });
    connect(btnRogzit, &QPushButton::clicked, this, &VoucherScreen::btnRogzitClick);
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this, &VoucherScreen::btnSugoClick);
    connect(btnPrint, &QPushButton::clicked, this, &VoucherScreen::btnPrintClick);
}

void VoucherScreen::finishLayout()
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {btnRogzit, btnPrint, btnSugo, btnMegse})
        buttons->addWidget(button);
    auto *top = new QHBoxLayout;
    top->addWidget(m_header);
    top->addWidget(m_item);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tblTetelek, 1);
    layout->addLayout(buttons);
    resize(900, 600);
    UiWheelAsArrowKeys::install(this);
    installHelpKey(this, m_services.settings, m_services.messenger, helpPage());

    const QList<VoucherLookups::Entry> accounts = shownLookup(m_lookups.ledgerAccounts(), m_services.messenger);
    for (const VoucherLookups::Entry &account : accounts)
        dbcFokszam->addItem(account.code + QStringLiteral(" - ") + account.text, account.code);
    const QList<VoucherLookups::Entry> types = shownLookup(m_lookups.movementTypes(m_direction), m_services.messenger);
    for (const VoucherLookups::Entry &type : types)
        dbcMozgnem->addItem(type.text, type.code);
    m_partners = shownLookup(m_lookups.partners(), m_services.messenger);
    for (const VoucherLookups::Partner &partner : m_partners)
        dbcPartner->addItem(
            partner.nev + QStringLiteral(", ") + partner.telepules + QStringLiteral(", ") + partner.utca, partner.code);
    m_vatRows = shownLookup(m_lookups.vatRows(), m_services.messenger);
    for (const VoucherLookups::Vat &vat : m_vatRows)
        dbcAfa->addItem(vat.afaCsoport + QStringLiteral("  ") + Dates::shortText(vat.datum) + QStringLiteral("  ")
                + QString::number(vat.percent, 'f', 2) + QStringLiteral(" %"),
            vat.afaKod);
}

void VoucherScreen::startNewVoucher(const QString &movementType, const QString &partner)
{
    const QDate closed = m_services.settings.lezartHoDat();
    if (closed.isValid())
        dtpBizDatum->setMinimumDate(closed.addDays(1));
    try {
        m_fallbackNumber = VoucherNumbers(m_db).propose();
    } catch (const StockSql::Failure &) {
        m_fallbackNumber.clear();
    }
    edtBizSorsz->setText(m_fallbackNumber);
    m_numberProposed = true;
    {
        const QSignalBlocker block(dtpBizDatum);
        dtpBizDatum->setDate(QDate::currentDate());
    }
    voucherDateSet();
    selectData(dbcMozgnem, movementType);
    if (dbcPartner->findData(partner) >= 0)
        selectData(dbcPartner, partner);
    else if (dbcPartner->count() > 0)
        dbcPartner->setCurrentIndex(0);
    dbcPartnerChange();
    selectLedger(m_services.settings.defaultFokszam());
    refreshView();
}

void VoucherScreen::selectLedger(const QString &fokSzla)
{
    if (dbcFokszam->findData(fokSzla) >= 0)
        selectData(dbcFokszam, fokSzla);
    else if (dbcFokszam->count() > 0)
        dbcFokszam->setCurrentIndex(0);
    dbcFokszamChange();
}

bool VoucherScreen::openOnRow(qint64 raktAzon)
{
    std::optional<MovementRow> row;
    try {
        row = MovementTable(m_db).row(raktAzon);
    } catch (const StockSql::Failure &) {
    }
    if (!row)
        return false;
    m_modifyId = raktAzon;
    m_numberProposed = false;
    setWindowTitle(modifyTitle());
    const QDate closed = m_services.settings.lezartHoDat();
    if (closed.isValid())
        dtpBizDatum->setMinimumDate(closed.addDays(1));
    edtBizSorsz->setText(row->bizSzam);
    m_fallbackNumber = row->bizSzam;
    {
        const QSignalBlocker block(dtpBizDatum);
        dtpBizDatum->setDate(row->datum);
    }
    voucherDateSet();
    selectData(dbcMozgnem, row->mozgnem);
    selectData(dbcPartner, row->partAzon);
    dbcPartnerChange();
    selectData(dbcFokszam, row->fokSzla);
    dbcFokszamChange();
    for (int i = 0; i < m_materials.size(); ++i) {
        if (m_materials.at(i).nyilvSzam == row->nyilvSzam)
            dbcAnyag->setCurrentIndex(i);
    }
    materialChosen(false);
    selectData(dbcAfa, row->afaKod);
    const VoucherLookups::Material *material = currentMaterial();
    edtMennyiseg->setText(StockFormat::quantity(row->tetelMenny, material ? material->kerekites : 3));
    fillPricesFromRow(*row);
    lblSorszam->setText(row->sorszam);
    refreshView();
    return true;
}

const VoucherLookups::Material *VoucherScreen::currentMaterial() const
{
    const int index = dbcAnyag->currentIndex();
    return index >= 0 && index < m_materials.size() ? &m_materials.at(index) : nullptr;
}

double VoucherScreen::vatPercent() const
{
    const QString code = dbcAfa->currentData().toString();
    for (const VoucherLookups::Vat &vat : m_vatRows) {
        if (vat.afaKod == code)
            return vat.percent;
    }
    return 0;
}

int VoucherScreen::quantityDecimals() const
{
    const VoucherLookups::Material *material = currentMaterial();
    return material ? material->kerekites : 3;
}

std::optional<double> VoucherScreen::quantity() const
{
    return StockFormat::typedQuantity(edtMennyiseg->text(), quantityDecimals());
}

void VoucherScreen::showRoundedQuantity()
{
    if (edtMennyiseg->text().trimmed().isEmpty())
        return;
    if (const std::optional<double> typed = quantity())
        edtMennyiseg->setText(StockFormat::quantity(*typed, quantityDecimals()));
}

void VoucherScreen::showPrices(const ItemPrices &prices)
{
    fleNEar->setText(StockFormat::price(prices.netUnit));
    fleBrEar->setText(StockFormat::price(prices.grossUnit));
    fleKiadAr->setText(StockFormat::price(prices.netTotal));
    fleBroar->setText(StockFormat::price(prices.grossTotal));
}

void VoucherScreen::recomputePrices(ItemPrices::Typed typed)
{
    const std::map<ItemPrices::Typed, std::pair<QLineEdit *, Money ItemPrices::*>> fields {
        {ItemPrices::Typed::NetUnit, {fleNEar, &ItemPrices::netUnit}},
        {ItemPrices::Typed::GrossUnit, {fleBrEar, &ItemPrices::grossUnit}},
        {ItemPrices::Typed::NetTotal, {fleKiadAr, &ItemPrices::netTotal}},
        {ItemPrices::Typed::GrossTotal, {fleBroar, &ItemPrices::grossTotal}}};
    const auto &[driving, member] = fields.at(typed);
    const std::optional<double> typedQuantity = quantity();
    const std::optional<Money> value = StockFormat::typedMoney(driving->text());
    if (!typedQuantity || !value)
        return;
    ItemPrices current;
    current.*member = *value;
    const ItemPrices prices = ItemPrices::compute(typed, current, *typedQuantity, vatPercent());
    // The field that drives the others keeps the user's text.
    for (const auto &[kind, field] : fields) {
        if (kind != typed)
            field.first->setText(StockFormat::price(prices.*field.second));
    }
    pricesComputed(prices);
}

void VoucherScreen::chooseVatRow()
{
    const VoucherLookups::Material *material = currentMaterial();
    const std::optional<VoucherLookups::Vat> vat
        = material ? VoucherLookups::vatFor(m_vatRows, material->afaCsoport, dtpBizDatum->date()) : std::nullopt;
    if (vat)
        selectData(dbcAfa, vat->afaKod);
    else
        dbcAfa->setCurrentIndex(-1);
}

void VoucherScreen::materialChosen(bool)
{
    const VoucherLookups::Material *material = currentMaterial();
    edtAnyagKod->setText(material ? material->nyilvSzam : QString());
    lblMertekegyseg->setText(material ? material->mertekegyseg : QString());
    showRoundedQuantity();
    chooseVatRow();
    recomputePrices(ItemPrices::Typed::NetUnit);
}

void VoucherScreen::dbcFokszamChange()
{
    m_materials = shownLookup(m_lookups.materials(dbcFokszam->currentData().toString()), m_services.messenger);
    dbcAnyag->clear();
    for (const VoucherLookups::Material &material : m_materials)
        dbcAnyag->addItem(material.megnevezes, material.nyilvSzam);
    if (!m_materials.isEmpty())
        dbcAnyag->setCurrentIndex(0);
    materialChosen(false);
}

void VoucherScreen::dbcAnyagChange()
{
    materialChosen(true);
}

void VoucherScreen::edtAnyagKodEnter()
{
    bool ok = false;
    const int number = edtAnyagKod->text().trimmed().toInt(&ok);
    if (!ok || number < 0 || number > 9999) {
        Refusal::error(
            QStringLiteral("Hibás keresési értékadás!\rEz a mezőfajta csak 0..9999 közötti számot tartalmazhat!"))
            .show(m_services.messenger);
        return;
    }
    const QString code = Codes::pad(Codes::Kind::RegisterNumber, number).value_or(QString());
    for (int i = 0; i < m_materials.size(); ++i) {
        if (m_materials.at(i).nyilvSzam == code) {
            dbcAnyag->setCurrentIndex(i);
            materialChosen(true);
            return;
        }
    }
    Refusal::warning(QStringLiteral("A keresett elem nem található!")).show(m_services.messenger);
    const VoucherLookups::Material *material = currentMaterial();
    edtAnyagKod->setText(material ? material->nyilvSzam : QString());
}

void VoucherScreen::edtBizSorszExit()
{
    bool ok = false;
    const qint64 number = edtBizSorsz->text().trimmed().toLongLong(&ok);
    const qint64 lowest = m_direction == QLatin1String("BE") ? 0 : 1;
    if (!ok || number < lowest || number > 99999999)
        edtBizSorsz->setText(m_fallbackNumber);
    else
        edtBizSorsz->setText(Codes::pad(Codes::Kind::VoucherNumber, number).value_or(m_fallbackNumber));
    // A number changed by hand is the user's: it joins that voucher.
    if (edtBizSorsz->text() != m_fallbackNumber)
        m_numberProposed = false;
    refreshView();
}

void VoucherScreen::dtpBizDatumChange()
{
    chooseVatRow();
    recomputePrices(ItemPrices::Typed::NetUnit);
    refreshView();
}

void VoucherScreen::dbcPartnerChange()
{
    const QString code = dbcPartner->currentData().toString();
    for (const VoucherLookups::Partner &partner : m_partners) {
        if (partner.code == code)
            lblCim->setText(partner.address());
    }
}

void VoucherScreen::refreshView()
{
    const QString number = edtBizSorsz->text();
    const QDate date = dtpBizDatum->date();
    const VoucherLookups::Totals totals = shownLookup(m_lookups.totals(number, date, m_direction), m_services.messenger);
    lblNetto->setText(StockFormat::money(totals.net));
    lblAfa->setText(StockFormat::money(totals.vat));
    lblBrutto->setText(StockFormat::money(totals.gross));
    const QList<VoucherLookups::Item> items = shownLookup(m_lookups.items(number, date, m_direction), m_services.messenger);
    m_itemsModel->removeRows(0, m_itemsModel->rowCount());
    for (const VoucherLookups::Item &item : items) {
        QList<QStandardItem *> cells {new QStandardItem(item.fokSzla), new QStandardItem(item.nyilvSzam),
            new QStandardItem(item.megnevezes), new QStandardItem(NumberFormat::plain(item.tetelMenny)),
            new QStandardItem(item.mertekegyseg), new QStandardItem(StockFormat::price(item.tetelErtek))};
        cells[3]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cells[5]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_itemsModel->appendRow(cells);
    }
    if (isModifyMode())
        return;
    QString running = shownLookup(m_lookups.runningNumber(number, date, m_direction), m_services.messenger);
    if (running.isEmpty()) {
        try {
            running = VoucherNumbers(m_db).nextRunningNumber(date.year());
        } catch (const StockSql::Failure &) {
        }
    }
    lblSorszam->setText(running);
}

Checked<StockItem> VoucherScreen::collectItem() const
{
    StockItem item;
    item.mozgnem = dbcMozgnem->currentData().toString();
    item.bizSzam = edtBizSorsz->text().trimmed();
    item.numberProposed = m_numberProposed;
    item.datum = dtpBizDatum->date();
    item.fokSzla = dbcFokszam->currentData().toString();
    const VoucherLookups::Material *material = currentMaterial();
    item.nyilvSzam = material ? material->nyilvSzam : QString();
    item.partAzon = dbcPartner->currentData().toString();
    item.afaKod = dbcAfa->currentData().toString();
    const std::optional<double> typedQuantity = quantity();
    if (!typedQuantity)
        return Checked<StockItem>::refused(TypedNumber::refusal(edtMennyiseg->text(), edtMennyiseg->objectName()));
    item.quantity = *typedQuantity;
    if (!pricesTyped())
        return Checked<StockItem>::accepted(item);
    ItemPrices prices;
    for (const auto &[field, member] : std::initializer_list<std::pair<QLineEdit *, Money ItemPrices::*>> {
             {fleNEar, &ItemPrices::netUnit}, {fleBrEar, &ItemPrices::grossUnit}, {fleKiadAr, &ItemPrices::netTotal},
             {fleBroar, &ItemPrices::grossTotal}}) {
        const std::optional<Money> value = StockFormat::typedMoney(field->text());
        if (!value)
            return Checked<StockItem>::refused(TypedNumber::refusal(field->text(), field->objectName()));
        prices.*member = *value;
    }
    item.netUnit = prices.netUnit;
    item.netTotal = prices.netTotal;
    item.grossTotal = prices.grossTotal;
    item.vatTotal = prices.grossTotal - prices.netTotal;
    return Checked<StockItem>::accepted(item);
}

void VoucherScreen::btnRogzitClick()
{
    btnRogzit->setEnabled(false);
    Settings &settings = m_services.settings;
    StockLedger ledger(m_db, StockOptions {settings.loginUser(), settings.kiadAr()});
    showRoundedQuantity();
    const Checked<StockItem> typed = collectItem();
    const StockItem &item = typed.value;
    const Refusal refusal = typed.ok() ? ledger.precheck(item) : typed.refusal;
    if (refusal) {
        StockOutcome outcome;
        outcome.refusal = refusal;
        showOutcome(outcome, isModifyMode());
    } else {
        StockLedger::workYearWarning(item.datum, settings.munkaEv().toInt()).show(m_services.messenger);
        showOutcome(isModifyMode() ? ledger.change(m_modifyId, item) : ledger.record(item), isModifyMode());
    }
    // A receipt may change the recipes' prices: their recalculation is offered again.
    if (!isModifyMode() && m_direction == QLatin1String("BE"))
        settings.setTapValt(true);
    btnRogzit->setEnabled(true);
}

void VoucherScreen::showOutcome(const StockOutcome &outcome, bool modify)
{
    Settings &settings = m_services.settings;
    if (!outcome.ok()) {
        outcome.refusal.show(m_services.messenger);
        if (!outcome.partAzon.isEmpty()) {
            selectData(dbcPartner, outcome.partAzon);
            dbcPartnerChange();
        }
        if (outcome.refusal.focus == QLatin1String("edtBizSorsz"))
            edtBizSorsz->setText(m_fallbackNumber);
        if (QWidget *focus = findChild<QWidget *>(outcome.refusal.focus))
            focus->setFocus();
        return;
    }
    edtBizSorsz->setText(outcome.bizSzam);
    m_numberProposed = false;
    if (modify) {
        if (settings.displayModify())
            Refusal::information(StockMessages::modified()).show(m_services.messenger);
    } else if (settings.displayNew()) {
        Refusal::information(StockMessages::recorded()).show(m_services.messenger);
    }
    if (settings.displayTetelWarning()) {
        for (const Refusal &notice : outcome.notices)
            notice.show(m_services.messenger);
    }
    refreshView();
    if (modify) {
        accept();
        return;
    }
    afterRecorded();
}

void VoucherScreen::btnSugoClick()
{
    showHelp(this, m_services.settings, m_services.messenger, helpPage());
}

void VoucherScreen::btnPrintClick()
{
    VoucherPrintout::printVoucher(m_services.settings, m_services.messenger, m_db, m_direction,
        edtBizSorsz->text().trimmed(), dtpBizDatum->date(), this, &m_services.files, m_previewer);
}
