#include "menu/ui/frmUjEtlap.h"

#include "core/Messenger.h"
#include "master/TypedQuantity.h"
#include "menu/MenuRows.h"
#include "session/Settings.h"
#include "widgets/UiBoundedField.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"
#include "widgets/UiHelp.h"
#include "widgets/UiLookup.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlQuery>

namespace {

// The quantity per person a menu row takes.
const double QuantityMaximum = 1000;

} // namespace

TfrmUjEtlap::TfrmUjEtlap(const Services &services, QSqlDatabase db, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_db(db)
{
    setObjectName(QStringLiteral("frmUjEtlap"));
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
    btnRogzit = pushButton(this, QStringLiteral("btnRogzit"), QStringLiteral("&Rögzít"), true);
    btnMegse = pushButton(this, QStringLiteral("btnMegse"), QStringLiteral("&Mégse"), true);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true);
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
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnMegse);
    buttons->addWidget(btnSugo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addLayout(buttons);

    fillLookup(dbcEtkTip, db,
        QStringLiteral("SELECT \"EtkTip\", \"EtkTip\" || ' - ' || \"Megnevezes\" FROM \"Etkezesek\" "
                       "ORDER BY \"Tip\", \"Enorma\", \"EtkTip\""));
    fillLookup(dbcFokszam, db,
        QStringLiteral("SELECT \"FokonyviSzam\", \"FokonyviSzam\" || ' - ' || \"Megnevezes\" FROM \"Fokszam\" "
                       "ORDER BY \"FokonyviSzam\""));
    const int account = dbcFokszam->findData(services.settings.defaultFokszam());
    dbcFokszam->setCurrentIndex(account >= 0 ? account : 0);
    rbRecept->setChecked(true);
    fillDishes();

    UiEnterMovesFocus::install({dtpEtlap, dbcEtkTip, rbRecept, dbcFokszam, edtAzon, dbcAnyag, edtMennyiseg, btnRogzit});
    UiEnterMovesFocus::install({rbAnyag, dbcFokszam});
    installHelpKey(this, services.settings, services.messenger, QStringLiteral("UjEtlap.htm"));

    connect(rbRecept, &QRadioButton::toggled, this, [this] { fillDishes(); });
    connect(dbcFokszam, &QComboBox::activated, this, [this] { fillDishes(); });
    connect(dbcAnyag, &QComboBox::currentIndexChanged, this, [this] { dishChanged(); });
    connect(edtAzon, &QLineEdit::editingFinished, this, [this] { edtAzonExit(); });
    connect(btnRogzit, &QPushButton::clicked, this, [this] { btnRogzitClick(); });
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, QStringLiteral("UjEtlap.htm")); });
}

void TfrmUjEtlap::fillDishes()
{
    const bool recipes = rbRecept->isChecked();
    dbcFokszam->setEnabled(!recipes);
    dbcAnyag->blockSignals(true);
    if (recipes)
        fillLookup(dbcAnyag, m_db,
            QStringLiteral("SELECT \"EtelKod\", \"Megnevezes\" FROM \"ReceptFej\" ORDER BY \"Megnevezes\", \"Enorma\", "
                           "\"EtelKod\""));
    else
        fillLookup(dbcAnyag, m_db,
            QStringLiteral("SELECT \"NyilvSzam\", \"Megnevezes\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? "
                           "ORDER BY \"Megnevezes\", \"NyilvSzam\""),
            {dbcFokszam->currentData()});
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
        if (!edtMennyiseg->isModified())
            showQuantity(m_quantity);
        return;
    }
    QSqlQuery query(m_db);
    query.prepare(
        QStringLiteral("SELECT m.\"Megnevezes\", a.\"Kerekites\" FROM \"Anyag\" a LEFT JOIN \"Mertegys\" m "
                       "ON m.\"MertKod\" = a.\"Mertekegyseg\" WHERE a.\"FokonyviSzam\" = ? AND a.\"NyilvSzam\" = ?"));
    query.addBindValue(dbcFokszam->currentData());
    query.addBindValue(dbcAnyag->currentData());
    if (query.exec() && query.next()) {
        lblMertegys->setText(query.value(0).toString());
        m_decimals = qBound(0, query.value(1).toInt(), TypedQuantity::Decimals);
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
    setWindowTitle(QStringLiteral("Új adat felvitele"));
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
    setWindowTitle(QStringLiteral("Adat módosítása"));
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

void TfrmUjEtlap::btnRogzitClick()
{
    const Checked<double> quantity = edtMennyiseg->isModified()
        ? TypedQuantity::read(edtMennyiseg->text(), QuantityMaximum, edtMennyiseg->objectName())
        : Checked<double>::accepted(m_quantity);
    if (showRefusal(this, m_services.messenger, quantity.refusal))
        return;
    const bool recipe = rbRecept->isChecked();
    const MenuRow row {dtpEtlap->date(), dbcEtkTip->currentData().toString(),
        recipe ? MenuRows::recipeAccount() : dbcFokszam->currentData().toString(), dbcAnyag->currentData().toString(),
        quantity.value};
    const QDate closed = m_services.settings.lezartHoDat();
    Refusal refusal;
    qint64 added = 0;
    if (m_id == 0) {
        const Checked<qint64> result = MenuRows::add(m_db, row, closed);
        refusal = result.refusal;
        added = result.value;
    } else {
        refusal = MenuRows::change(m_db, m_id, row, closed);
    }
    if (showRefusal(this, m_services.messenger, refusal))
        return;
    if (m_id != 0) {
        noticeModified(m_services);
        accept();
        return;
    }
    noticeAdded(m_services);
    resetForNext();
    if (m_onAdded)
        m_onAdded(added);
}
