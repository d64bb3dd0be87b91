#include "master/ui/frmUjReceptA.h"

#include "master/MasterLookups.h"
#include "master/RecipeLines.h"
#include "master/RecipeRecords.h"
#include "master/TypedQuantity.h"
#include "session/Settings.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"
#include "widgets/UiLookup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace {

const double QuantityMaximum = 1000000;

} // namespace

TfrmUjReceptA::TfrmUjReceptA(const Services &services, QSqlDatabase db, const QString &code, QWidget *parent)
    : UiEditDialog(services, QStringLiteral("frmUjReceptA"), QStringLiteral("UjReceptA.htm"), parent)
    , m_db(db)
    , m_code(code)
{
    setCaptions(QStringLiteral("Új anyag felvitele"), QStringLiteral("Anyag módosítása"));
    dbcFokszam = named(new QComboBox(this), "dbcFokszam");
    dbcAnyag = named(new QComboBox(this), "dbcAnyag");
    edtMennyiseg = named(new QLineEdit(this), "edtMennyiseg");
    edtMennyiseg->setAlignment(Qt::AlignRight);
    lblMertegys = named(new QLabel(this), "lblMertegys");
    lblMegjegyzes = named(new QLabel(this), "lblMegjegyzes");

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Főkönyvi szám:"), this), 0, 0);
    grid->addWidget(dbcFokszam, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Anyag megnevezése:"), this), 1, 0);
    grid->addWidget(dbcAnyag, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Mennyiség:"), this), 2, 0);
    auto *quantity = new QHBoxLayout;
    quantity->addWidget(edtMennyiseg);
    quantity->addWidget(lblMertegys);
    grid->addLayout(quantity, 2, 1);
    grid->addWidget(lblMegjegyzes, 3, 0, 1, 2);
    setForm(grid, {dbcFokszam, dbcAnyag, edtMennyiseg});

    fillLookup(dbcFokszam, shownLookup(MasterLookups::ledgerAccounts(db), m_services.messenger));
    connect(dbcFokszam, &QComboBox::currentIndexChanged, this, [this] { fillMaterials(); });
    connect(dbcAnyag, &QComboBox::currentIndexChanged, this, [this] { materialChanged(); });
}

void TfrmUjReceptA::fillMaterials()
{
    dbcAnyag->blockSignals(true);
    fillLookup(dbcAnyag,
        shownLookup(MasterLookups::materialsOf(m_db, dbcFokszam->currentData().toString()), m_services.messenger));
    dbcAnyag->blockSignals(false);
    dbcAnyag->setCurrentIndex(dbcAnyag->count() > 0 ? 0 : -1);
    materialChanged();
}

void TfrmUjReceptA::materialChanged()
{
    const std::optional<MasterLookups::MaterialUnit> unit = shownLookup(
        MasterLookups::materialUnit(m_db, dbcFokszam->currentData().toString(), dbcAnyag->currentData().toString()),
        m_services.messenger);
    lblMertegys->setText(unit ? unit->code : QString());
    m_decimals = unit ? std::clamp(unit->decimals, 0, TypedQuantity::Decimals) : TypedQuantity::Decimals;
    if (!edtMennyiseg->isModified())
        showQuantity(m_quantity);
}

void TfrmUjReceptA::showQuantity(double quantity)
{
    m_quantity = quantity;
    edtMennyiseg->setText(TypedQuantity::shown(quantity, m_decimals));
}

void TfrmUjReceptA::setNewMode()
{
    m_lineId = 0;
    setMode(Mode::New);
    const int portions = std::clamp(m_services.settings.receptFo(), 1, 100);
    lblMegjegyzes->setText(QStringLiteral("Az anyag mennyisége %1 adagra értendő!").arg(portions));
    const int account = dbcFokszam->findData(m_services.settings.defaultFokszam());
    dbcFokszam->setCurrentIndex(account >= 0 ? account : 0);
    fillMaterials();
    showQuantity(0);
}

void TfrmUjReceptA::setChangeMode(qint64 lineId)
{
    m_lineId = lineId;
    setMode(Mode::Modify);
    lblMegjegyzes->setText(QStringLiteral("Az anyag mennyisége 100 adagra értendő!"));
    const std::optional<RecipeLines::Line> line = RecipeRecords::line(m_db, lineId);
    if (!line)
        return;
    dbcFokszam->setCurrentIndex(dbcFokszam->findData(line->account));
    fillMaterials();
    dbcAnyag->setCurrentIndex(dbcAnyag->findData(line->registerNumber));
    showQuantity(line->quantity);
}

void TfrmUjReceptA::record()
{
    const Checked<double> quantity = edtMennyiseg->isModified()
        ? TypedQuantity::read(edtMennyiseg->text(), QuantityMaximum, edtMennyiseg->objectName())
        : Checked<double>::accepted(m_quantity);
    if (refused(quantity.refusal))
        return;
    const RecipeLines::Line line {
        m_code, dbcFokszam->currentData().toString(), dbcAnyag->currentData().toString(), quantity.value};
    const QDate today = QDate::currentDate();
    if (!isNewMode()) {
        if (!refused(RecipeLines::change(m_db, m_lineId, line, today)))
            saved();
        return;
    }
    const Checked<qint64> added = RecipeLines::add(m_db, line, m_services.settings.receptFo(), today);
    if (refused(added.refusal))
        return;
    if (saved()) {
        showQuantity(0);
        dbcFokszam->setFocus();
    }
}
