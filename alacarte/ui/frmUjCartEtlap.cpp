#include "alacarte/ui/frmUjCartEtlap.h"

#include "alacarte/CartMenuList.h"
#include "alacarte/CartMenuRows.h"
#include "alacarte/DishGroups.h"
#include "alacarte/DishLookups.h"
#include "core/NumberFormat.h"
#include "core/TypedNumber.h"
#include "master/MasterLookups.h"
#include "master/TypedQuantity.h"
#include "session/Settings.h"
#include "widgets/ShownLookup.h"
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
const double QuantityMaximum = 1000;
}

TfrmUjCartEtlap::TfrmUjCartEtlap(const Services &services, QSqlDatabase db, QWidget *parent)
    : UiEditDialog(services, QStringLiteral("frmUjCartEtlap"), QStringLiteral("UjCartEtlap.htm"), parent)
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
    dbcAnyag = named(new QComboBox(this), "dbcAnyag");
    edtMennyiseg = lineEdit(this, QStringLiteral("edtMennyiseg"), 12);
    edtMennyiseg->setAlignment(Qt::AlignRight);
    lblMertegys = named(new QLabel(this), "lblMertegys");
    edtFo = lineEdit(this, QStringLiteral("edtFo"), 7);
    edtFo->setAlignment(Qt::AlignRight);
    auto *note = new QLabel(QStringLiteral("A mennyiséget 1 főre kell megadni!"), this);
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
    grid->addWidget(new QLabel(QStringLiteral("Étel:"), this), 4, 0);
    grid->addWidget(dbcAnyag, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Mennyiség/fő:"), this), 5, 0);
    auto *quantity = new QHBoxLayout;
    quantity->addWidget(edtMennyiseg);
    quantity->addWidget(lblMertegys);
    grid->addLayout(quantity, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("Létszám:"), this), 6, 0);
    auto *people = new QHBoxLayout;
    people->addWidget(edtFo);
    people->addWidget(new QLabel(QStringLiteral("fő"), this));
    grid->addLayout(people, 6, 1);
    auto *form = new QVBoxLayout;
    form->addLayout(grid);
    form->addWidget(note);
    setForm(form, {dtpEtlap, dbcEtkTip, rbRecept, dbcFokszam, dbcAnyag, edtMennyiseg, edtFo});
    UiEnterMovesFocus::install({rbAnyag, dbcFokszam});

    LookupList groups;
    for (const DishGroup &group : shownLookup(DishGroups::read(db), m_services.messenger))
        groups << LookupEntry {group.code, group.code + QStringLiteral(" - ") + group.name};
    fillLookup(dbcEtkTip, groups);
    fillLookup(dbcFokszam, shownLookup(MasterLookups::ledgerAccounts(db), m_services.messenger));
    selectKey(dbcFokszam, services.settings.defaultFokszam());
    rbRecept->setChecked(true);
    fillDishes();

    connect(rbRecept, &QRadioButton::toggled, this, [this] { fillDishes(); });
    connect(dbcFokszam, &QComboBox::activated, this, [this] { fillDishes(); });
    connect(dbcAnyag, &QComboBox::currentIndexChanged, this, [this] {
        if (rbRecept->isChecked())
            lblMertegys->setText(QStringLiteral("adag"));
        else if (const std::optional<MasterLookups::MaterialUnit> unit = shownLookup(
                     MasterLookups::materialUnit(
                         m_db, dbcFokszam->currentData().toString(), dbcAnyag->currentData().toString()),
                     m_services.messenger))
            lblMertegys->setText(unit->name);
    });
}

void TfrmUjCartEtlap::fillDishes()
{
    const bool recipes = rbRecept->isChecked();
    const QString account = recipes ? QStringLiteral("1000") : dbcFokszam->currentData().toString();
    dbcFokszam->setEnabled(!recipes);
    dbcAnyag->blockSignals(true);
    LookupList dishes
        = shownLookup(recipes ? DishLookups::pricedRecipes(m_db) : DishLookups::pricedMaterialsOf(m_db, account),
            m_services.messenger);
    // A changed row keeps showing its dish after the dish lost its price.
    const bool kept = account == m_storedAccount && !m_storedDish.isEmpty()
        && std::none_of(dishes.begin(), dishes.end(), [this](const LookupEntry &e) { return e.code == m_storedDish; });
    if (kept)
        dishes.prepend(LookupEntry {m_storedDish, m_storedName});
    fillLookup(dbcAnyag, dishes);
    dbcAnyag->setCurrentIndex(dbcAnyag->count() > 0 ? 0 : -1);
    dbcAnyag->blockSignals(false);
    emit dbcAnyag->currentIndexChanged(dbcAnyag->currentIndex());
}

void TfrmUjCartEtlap::setNewMode(const QDate &date)
{
    m_id = 0;
    m_storedAccount.clear();
    m_storedDish.clear();
    setMode(Mode::New);
    dtpEtlap->setDate(date);
    dbcEtkTip->setCurrentIndex(dbcEtkTip->count() > 0 ? 0 : -1);
    if (rbRecept->isChecked())
        fillDishes();
    else
        rbRecept->setChecked(true);
    edtMennyiseg->setText(TypedQuantity::shown(1, 3));
    edtFo->setText(QStringLiteral("1"));
}

void TfrmUjCartEtlap::setChangeMode(qint64 id)
{
    m_id = id;
    setMode(Mode::Modify);
    const CartMenuRow row = CartMenuRows::read(m_db, id);
    m_storedAccount = row.account;
    m_storedDish = row.dish;
    for (const CartMenuListRow &listed : CartMenuList::read(m_db, row.date, row.date).value)
        if (listed.id == id)
            m_storedName = listed.dishName;
    dtpEtlap->setDate(row.date);
    selectKey(dbcEtkTip, row.group);
    if (row.account == QLatin1String("1000")) {
        if (rbRecept->isChecked())
            fillDishes();
        else
            rbRecept->setChecked(true);
    } else {
        selectKey(dbcFokszam, row.account);
        if (rbAnyag->isChecked())
            fillDishes();
        else
            rbAnyag->setChecked(true);
    }
    selectKey(dbcAnyag, row.dish);
    edtMennyiseg->setText(TypedQuantity::shown(row.quantity, 3));
    edtFo->setText(QString::number(row.headcount));
    if (!CartMenuRows::priced(m_db, row.account, row.dish))
        CartMenuRows::unpriced().show(m_services.messenger);
}

void TfrmUjCartEtlap::record()
{
    const Checked<double> quantity
        = TypedQuantity::read(edtMennyiseg->text(), QuantityMaximum, edtMennyiseg->objectName());
    if (refused(quantity.refusal))
        return;
    const std::optional<double> headcount = TypedNumber::quantity(edtFo->text(), 0, CartMenuRows::HeadcountLimit);
    if (!headcount) {
        refused(TypedNumber::refusal(edtFo->text(), edtFo->objectName()));
        return;
    }
    const bool recipe = rbRecept->isChecked();
    const CartMenuRow row {dtpEtlap->date(), dbcEtkTip->currentData().toString(),
        recipe ? QStringLiteral("1000") : dbcFokszam->currentData().toString(), dbcAnyag->currentData().toString(),
        quantity.value, int(*headcount)};
    const QDate closed = m_services.settings.lezartHoDat();
    if (!isNewMode()) {
        if (!refused(CartMenuRows::change(m_db, m_id, row, closed))) {
            m_saved = m_id;
            saved();
        }
        return;
    }
    const Checked<qint64> added = CartMenuRows::add(m_db, row, closed);
    if (refused(added.refusal))
        return;
    m_saved = added.value;
    if (saved())
        setNewMode(row.date);
}
