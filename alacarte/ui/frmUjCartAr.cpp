#include "alacarte/ui/frmUjCartAr.h"

#include "core/NumberFormat.h"
#include "core/TypedNumber.h"
#include "master/MasterLookups.h"
#include "session/Settings.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"
#include "widgets/UiLookup.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QVBoxLayout>

static QString amount(const Money &value)
{
    return NumberFormat::format(value, QStringLiteral("### ### ##0.00")) + QLatin1Char(' ')
        + QLocale(QLocale::Hungarian, QLocale::Hungary).currencySymbol();
}

TfrmUjCartAr::TfrmUjCartAr(const Services &services, QSqlDatabase db, QWidget *parent)
    : UiEditDialog(services, QStringLiteral("frmUjCartAr"), QStringLiteral("UjCartAr.htm"), parent)
    , m_db(db)
{
    rbRecept = named(new QRadioButton(QStringLiteral("Étel receptekből"), this), "rbRecept");
    rbAnyag = named(new QRadioButton(QStringLiteral("Étel nyersanyagokból"), this), "rbAnyag");
    dbcFokszam = named(new QComboBox(this), "dbcFokszam");
    dbcAnyag = named(new QComboBox(this), "dbcAnyag");
    lblMertegys = named(new QLabel(this), "lblMertegys");
    fleHaszon = lineEdit(this, QStringLiteral("fleHaszon"), 8);
    fleFixar = lineEdit(this, QStringLiteral("fleFixar"), 12);
    fleHaszon->setAlignment(Qt::AlignRight);
    fleFixar->setAlignment(Qt::AlignRight);
    dbcAfa = named(new QComboBox(this), "dbcAfa");
    lblAfa = named(new QLabel(this), "lblAfa");
    lblNetto = named(new QLabel(this), "lblNetto");
    lblENetto = named(new QLabel(this), "lblENetto");
    lblHaszon = named(new QLabel(this), "lblHaszon");

    auto *dish = new QGroupBox(QStringLiteral(" Étel "), this);
    auto *dishGrid = new QGridLayout(dish);
    dishGrid->addWidget(rbRecept, 0, 0);
    dishGrid->addWidget(rbAnyag, 0, 1);
    dishGrid->addWidget(new QLabel(QStringLiteral("Főkönyvi szám:"), this), 1, 0);
    dishGrid->addWidget(dbcFokszam, 1, 1);
    dishGrid->addWidget(new QLabel(QStringLiteral("Étel:"), this), 2, 0);
    dishGrid->addWidget(dbcAnyag, 2, 1);
    dishGrid->addWidget(lblMertegys, 2, 2);
    auto *pricing = new QGroupBox(QStringLiteral("Árazás"), this);
    auto *priceGrid = new QGridLayout(pricing);
    const QString currency = QLocale(QLocale::Hungarian, QLocale::Hungary).currencySymbol();
    priceGrid->addWidget(new QLabel(QStringLiteral("Haszonkulcs"), this), 0, 0);
    priceGrid->addWidget(fleHaszon, 0, 1);
    priceGrid->addWidget(new QLabel(QStringLiteral("%"), this), 0, 2);
    priceGrid->addWidget(new QLabel(QStringLiteral("Bruttó eladási ár"), this), 1, 0);
    priceGrid->addWidget(fleFixar, 1, 1);
    priceGrid->addWidget(new QLabel(currency, this), 1, 2);
    priceGrid->addWidget(new QLabel(QStringLiteral("ÁFA csoport:"), this), 2, 0);
    priceGrid->addWidget(dbcAfa, 2, 1);
    priceGrid->addWidget(lblAfa, 2, 2);
    priceGrid->addWidget(new QLabel(QStringLiteral("Anyag nettó:"), this), 3, 0);
    priceGrid->addWidget(lblNetto, 3, 1);
    priceGrid->addWidget(new QLabel(QStringLiteral("Eladott nettó:"), this), 4, 0);
    priceGrid->addWidget(lblENetto, 4, 1);
    priceGrid->addWidget(new QLabel(QStringLiteral("Haszon:"), this), 5, 0);
    priceGrid->addWidget(lblHaszon, 5, 1);
    auto *form = new QVBoxLayout;
    form->addWidget(dish);
    form->addWidget(pricing);
    setForm(form, {rbRecept, dbcFokszam, dbcAnyag, fleHaszon, fleFixar, dbcAfa});

    fillLookup(dbcFokszam, shownLookup(MasterLookups::ledgerAccounts(db), m_services.messenger));
    fillLookup(dbcAfa, shownLookup(MasterLookups::vatRows(db), m_services.messenger));

    connect(rbRecept, &QRadioButton::toggled, this, [this] { fillDishes(); });
    connect(dbcFokszam, &QComboBox::activated, this, [this] { fillDishes(); });
    connect(dbcAnyag, &QComboBox::currentIndexChanged, this, [this] { recomputeFromGross(); });
    connect(dbcAfa, &QComboBox::currentIndexChanged, this, [this] { recomputeFromGross(); });
    connect(fleHaszon, &QLineEdit::textEdited, this, [this] { marginTyped(); });
    connect(fleFixar, &QLineEdit::textEdited, this, [this] { grossTyped(); });
    setNewMode();
}

void TfrmUjCartAr::fillDishes()
{
    const bool recipes = rbRecept->isChecked();
    dbcFokszam->setEnabled(!recipes);
    dbcAnyag->blockSignals(true);
    fillLookup(dbcAnyag,
        shownLookup(recipes ? MasterLookups::recipes(m_db)
                            : MasterLookups::materialsOf(m_db, dbcFokszam->currentData().toString()),
            m_services.messenger));
    dbcAnyag->setCurrentIndex(dbcAnyag->count() > 0 ? 0 : -1);
    dbcAnyag->blockSignals(false);
    recomputeFromGross();
}

DishKey TfrmUjCartAr::chosenKey() const
{
    return DishKey {rbRecept->isChecked() ? QStringLiteral("1000") : dbcFokszam->currentData().toString(),
        dbcAnyag->currentData().toString()};
}

std::optional<double> TfrmUjCartAr::vatPercent() const
{
    const Checked<double> rate = DishPrices::vatPercent(m_db, dbcAfa->currentData().toString(), QDate::currentDate());
    return rate.ok() ? std::optional<double>(rate.value) : std::nullopt;
}

void TfrmUjCartAr::showFigures(const DishPrice &price, bool margin, bool gross)
{
    if (margin)
        fleHaszon->setText(NumberFormat::fixed(price.margin, 1));
    if (gross)
        fleFixar->setText(NumberFormat::fixed(price.gross.toDouble(), 2));
    lblNetto->setText(amount(price.cost));
    lblENetto->setText(amount(price.net));
    lblHaszon->setText(amount(price.profit));
}

void TfrmUjCartAr::marginTyped()
{
    const std::optional<double> margin = TypedNumber::quantity(fleHaszon->text(), 1, DishPrices::MarginLimit);
    const std::optional<double> rate = vatPercent();
    if (!margin || !rate)
        return;
    showFigures(DishPrice::fromMargin(DishPrices::cost(m_db, chosenKey()).value, *margin, *rate), false, true);
}

void TfrmUjCartAr::grossTyped()
{
    const std::optional<Money> gross = Money::fromText(fleFixar->text());
    const std::optional<double> rate = vatPercent();
    if (!gross || !rate)
        return;
    showFigures(DishPrice::fromGross(DishPrices::cost(m_db, chosenKey()).value, gross->rounded(2), *rate), true, false);
}

void TfrmUjCartAr::recomputeFromGross()
{
    const std::optional<double> rate = vatPercent();
    lblAfa->setText(rate ? NumberFormat::format(*rate, QStringLiteral("0.0")) + QLatin1Char('%') : QString());
    if (!chosenKey().isRecipe())
        if (const std::optional<MasterLookups::MaterialUnit> unit = shownLookup(
                MasterLookups::materialUnit(m_db, chosenKey().account, chosenKey().dish), m_services.messenger))
            lblMertegys->setText(QStringLiteral("1 ") + unit->name);
    if (chosenKey().isRecipe())
        lblMertegys->setText(QStringLiteral("1 adag"));
    grossTyped();
}

void TfrmUjCartAr::setNewMode()
{
    setMode(Mode::New);
    m_original = DishKey();
    selectKey(dbcFokszam, m_services.settings.defaultFokszam());
    selectKey(dbcAfa, m_services.settings.defaultAfa());
    fleHaszon->setText(NumberFormat::fixed(0, 1));
    fleFixar->setText(NumberFormat::fixed(0, 2));
    if (rbRecept->isChecked())
        fillDishes();
    else
        rbRecept->setChecked(true);
}

void TfrmUjCartAr::setChangeMode(const DishKey &key)
{
    setMode(Mode::Modify);
    m_original = key;
    const DishPriceEntry entry = DishPrices::read(m_db, key);
    if (key.isRecipe()) {
        rbRecept->setChecked(true);
    } else {
        selectKey(dbcFokszam, key.account);
        rbAnyag->setChecked(true);
    }
    fillDishes();
    selectKey(dbcAnyag, key.dish);
    selectKey(dbcAfa, entry.vatGroup);
    fleHaszon->setText(NumberFormat::fixed(entry.margin, 1));
    fleFixar->setText(NumberFormat::fixed(entry.gross.toDouble(), 2));
    recomputeFromGross();
}

void TfrmUjCartAr::record()
{
    const std::optional<double> margin = TypedNumber::quantity(fleHaszon->text(), 1, DishPrices::MarginLimit);
    if (!margin) {
        refused(TypedNumber::refusal(fleHaszon->text(), fleHaszon->objectName()));
        return;
    }
    const std::optional<Money> gross = Money::fromText(fleFixar->text());
    if (!gross) {
        refused(TypedNumber::refusal(fleFixar->text(), fleFixar->objectName()));
        return;
    }
    const DishPriceEntry entry {chosenKey(), *margin, gross->rounded(2), dbcAfa->currentData().toString()};
    const QDate today = QDate::currentDate();
    const Refusal refusal
        = isNewMode() ? DishPrices::add(m_db, entry, today) : DishPrices::change(m_db, m_original, entry, today);
    if (refused(refusal))
        return;
    m_saved = entry.key;
    if (saved())
        setNewMode();
}
