#include "menu/ui/frmUjEtlap.h"

#include "core/Messenger.h"
#include "master/MasterLookups.h"
#include "master/TypedQuantity.h"
#include "menu/MenuRows.h"
#include "session/Settings.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiBoundedField.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"
#include "widgets/UiLookup.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The quantity per person a menu row takes.
const double QuantityMaximum = 1000;

} // namespace

TfrmUjEtlap::TfrmUjEtlap(const Services &services, QSqlDatabase db, QWidget *parent)
    : UiEditDialog(services, QStringLiteral("frmUjEtlap"), QStringLiteral("UjEtlap.htm"), parent)
    , m_db(db)
{
    dtpEtlap = named(new QDateEdit(this), "dtpEtlap");
    dtpEtlap->setCalendarPopup(true);
    dtpEtlap->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
    if (services.settings.lezartHoDat().isValid())
        dtpEtlap->setMinimumDate(services.settings.lezartHoDat().addDays(1));
    dbcEtkTip = named(new QComboBox(this), "dbcEtkTip");
    rbRecept = named(new QRadioButton(QStringLiteral("Étel receptekből"), this), "rbRecept");
    rbAnyag = named(new QRadioButton(QStringLiteral("Étel nyersanyagokból"), this), "rbAnyag");
    dbcFokszam = named(new QComboBox(this), "dbcFokszam");
    edtAzon = named(new QLineEdit(this), "edtAzon");
    UiBoundedField::limit(edtAzon, 4);
    dbcAnyag = named(new QComboBox(this), "dbcAnyag");
    edtMennyiseg = named(new QLineEdit(this), "edtMennyiseg");
    edtMennyiseg->setAlignment(Qt::AlignRight);
    lblMertegys = named(new QLabel(this), "lblMertegys");
    auto *note = new QLabel(QStringLiteral("Az étlap ételeit 1 főre kell megadni!"), this);
    note->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Dátum:"), this), 0, 0);
    grid->addWidget(dtpEtlap, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Étkezés típusa:"), this), 1, 0);
    grid->addWidget(dbcEtkTip, 1, 1);
    grid->addWidget(rbRecept, 2, 0);
    grid->addWidget(rbAnyag, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Főkönyvi szám:"), this), 3, 0);
    grid->addWidget(dbcFokszam, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Azonosító:"), this), 4, 0);
    grid->addWidget(edtAzon, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Étel:"), this), 5, 0);
    grid->addWidget(dbcAnyag, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("Mennyiség:"), this), 6, 0);
    auto *quantity = new QHBoxLayout;
    quantity->addWidget(edtMennyiseg);
    quantity->addWidget(lblMertegys);
    grid->addLayout(quantity, 6, 1);
    auto *form = new QVBoxLayout;
    form->addLayout(grid);
    form->addWidget(note);
    setForm(form, {dtpEtlap, dbcEtkTip, rbRecept, dbcFokszam, edtAzon, dbcAnyag, edtMennyiseg});
    UiEnterMovesFocus::install({rbAnyag, dbcFokszam});

    fillLookup(dbcEtkTip, shownLookup(MasterLookups::meals(db), m_services.messenger));
    fillLookup(dbcFokszam, shownLookup(MasterLookups::ledgerAccounts(db), m_services.messenger));
    selectKey(dbcFokszam, services.settings.defaultFokszam());
    rbRecept->setChecked(true);
    fillDishes();

    connect(rbRecept, &QRadioButton::toggled, this, [this] { fillDishes(); });
    connect(dbcFokszam, &QComboBox::activated, this, [this] { fillDishes(); });
    connect(dbcAnyag, &QComboBox::currentIndexChanged, this, [this] { dishChanged(); });
    connect(edtAzon, &QLineEdit::editingFinished, this, [this] { edtAzonExit(); });
}

void TfrmUjEtlap::fillDishes()
{
    const bool recipes = rbRecept->isChecked();
    dbcFokszam->setEnabled(!recipes);
    dbcAnyag->blockSignals(true);
    fillLookup(dbcAnyag,
        shownLookup(recipes ? MasterLookups::recipes(m_db)
                            : MasterLookups::materialsOf(m_db, dbcFokszam->currentData().toString()),
            m_services.messenger));
    dbcAnyag->blockSignals(false);
    dbcAnyag->setCurrentIndex(dbcAnyag->count() > 0 ? 0 : -1);
    dishChanged();
}

void TfrmUjEtlap::dishChanged()
{
    edtAzon->setText(dbcAnyag->currentData().toString());
    if (rbRecept->isChecked()) {
        lblMertegys->setText(QStringLiteral("adag"));
        m_decimals = 2;
    } else if (const std::optional<MasterLookups::MaterialUnit> unit = shownLookup(
                   MasterLookups::materialUnit(
                       m_db, dbcFokszam->currentData().toString(), dbcAnyag->currentData().toString()),
                   m_services.messenger)) {
        lblMertegys->setText(unit->name);
        m_decimals = qBound(0, unit->decimals, TypedQuantity::Decimals);
    }
    if (!edtMennyiseg->isModified())
        showQuantity(m_quantity);
}

void TfrmUjEtlap::showQuantity(double quantity)
{
    m_quantity = quantity;
    edtMennyiseg->setText(TypedQuantity::shown(quantity, m_decimals));
}

void TfrmUjEtlap::edtAzonExit()
{
    const int found = dbcAnyag->findData(edtAzon->text().trimmed());
    if (found >= 0) {
        dbcAnyag->setCurrentIndex(found);
        return;
    }
    Refusal::error(QStringLiteral("A megadott azonosítón nem létezik tétel!")).show(m_services.messenger);
}

void TfrmUjEtlap::setNewMode(const QDate &date)
{
    m_id = 0;
    setMode(Mode::New);
    dtpEtlap->setDate(date);
    dbcEtkTip->setCurrentIndex(dbcEtkTip->count() > 0 ? 0 : -1);
    resetForNext();
}

void TfrmUjEtlap::resetForNext()
{
    if (rbRecept->isChecked())
        fillDishes();
    else
        rbRecept->setChecked(true);
    showQuantity(1);
}

void TfrmUjEtlap::setChangeMode(qint64 id)
{
    m_id = id;
    setMode(Mode::Modify);
    const MenuRow row = MenuRows::read(m_db, id);
    dtpEtlap->setDate(row.date);
    dbcEtkTip->setCurrentIndex(dbcEtkTip->findData(row.meal));
    if (row.account == MenuRows::recipeAccount()) {
        rbRecept->setChecked(true);
    } else {
        dbcFokszam->setCurrentIndex(dbcFokszam->findData(row.account));
        rbAnyag->setChecked(true);
    }
    fillDishes();
    dbcAnyag->setCurrentIndex(dbcAnyag->findData(row.dish));
    showQuantity(row.quantity);
}

void TfrmUjEtlap::record()
{
    const Checked<double> quantity = edtMennyiseg->isModified()
        ? TypedQuantity::read(edtMennyiseg->text(), QuantityMaximum, edtMennyiseg->objectName())
        : Checked<double>::accepted(m_quantity);
    if (refused(quantity.refusal))
        return;
    const bool recipe = rbRecept->isChecked();
    const MenuRow row {dtpEtlap->date(), dbcEtkTip->currentData().toString(),
        recipe ? MenuRows::recipeAccount() : dbcFokszam->currentData().toString(), dbcAnyag->currentData().toString(),
        quantity.value};
    const QDate closed = m_services.settings.lezartHoDat();
    if (!isNewMode()) {
        if (!refused(MenuRows::change(m_db, m_id, row, closed)))
            saved();
        return;
    }
    const Checked<qint64> added = MenuRows::add(m_db, row, closed);
    if (refused(added.refusal) || !saved())
        return;
    resetForNext();
    if (m_onAdded)
        m_onAdded(added.value);
}
