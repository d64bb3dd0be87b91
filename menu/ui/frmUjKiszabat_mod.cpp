#include "menu/ui/frmUjKiszabat_mod.h"

#include "core/NumberFormat.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

TfrmUjKiszabat_mod::TfrmUjKiszabat_mod(
    const Services &services, const RationSheet &sheet, const Accounts &accounts, Save save, QWidget *parent)
    : UiEditDialog(services, QStringLiteral("frmUjKiszabat_mod"), QStringLiteral("UjKiszabat_mod.htm"), parent)
    , lblFokszam(new QLabel(QStringLiteral("Főkönyvi szám:"), this))
    , dbcFokszam(named(new QComboBox(this), "dbcFokszam"))
    , lblAnyag(new QLabel(QStringLiteral("Anyag megnevezése:"), this))
    , dbcAnyag(named(new QComboBox(this), "dbcAnyag"))
    , edtAN(named(new QLineEdit(this), "edtAN"))
    , lblMennyiseg(new QLabel(QStringLiteral("Mennyiség:"), this))
    , edtMennyiseg(named(new QDoubleSpinBox(this), "edtMennyiseg"))
    , lblMertegys(named(new QLabel(this), "lblMertegys"))
    , lblRaktCaption(new QLabel(QStringLiteral("Raktárkészlet:"), this))
    , lblRakt(named(new QLabel(this), "lblRakt"))
    , m_sheet(sheet)
    , m_save(std::move(save))
{
    setCaptions(QStringLiteral("Új anyag felvitele"), QStringLiteral("Anyag módosítása"));
    for (const auto &account : accounts)
        dbcFokszam->addItem(account.code + QStringLiteral(" - ") + account.text, account.code);
    edtAN->setReadOnly(true);
    edtAN->hide();
    edtMennyiseg->setRange(0, RationSheet::MaxQuantity);
    btnRogzit->setDefault(true);

    auto *grid = new QGridLayout;
    grid->addWidget(lblFokszam, 0, 0);
    grid->addWidget(dbcFokszam, 0, 1, 1, 2);
    grid->addWidget(lblAnyag, 1, 0);
    grid->addWidget(dbcAnyag, 1, 1, 1, 2);
    grid->addWidget(edtAN, 2, 1, 1, 2);
    grid->addWidget(lblMennyiseg, 3, 0);
    grid->addWidget(edtMennyiseg, 3, 1);
    grid->addWidget(lblMertegys, 3, 2);
    grid->addWidget(lblRaktCaption, 4, 0);
    grid->addWidget(lblRakt, 4, 1, 1, 2);
    setForm(grid, {dbcFokszam, dbcAnyag, edtMennyiseg});

    connect(dbcFokszam, &QComboBox::currentIndexChanged, this, &TfrmUjKiszabat_mod::fillMaterials);
    connect(dbcAnyag, &QComboBox::currentIndexChanged, this, &TfrmUjKiszabat_mod::showMaterial);
}

void TfrmUjKiszabat_mod::setLineCaptions()
{
    setHelpPage(QStringLiteral("UjKiszabat_Mod3.htm"));
    setCaptions(QStringLiteral("Új anyag felvitele:"), QStringLiteral("Anyag módosítása:"));
}

void TfrmUjKiszabat_mod::editExisting(const MaterialKey &key, double quantity)
{
    m_fixedKey = key;
    setMode(Mode::Modify);
    const RationMaterial *material = m_sheet.material(key);
    const QString account = material ? material->account : key.account;
    dbcFokszam->setCurrentIndex(dbcFokszam->findData(account));
    dbcFokszam->setEnabled(false);
    dbcAnyag->clear();
    if (material)
        dbcAnyag->addItem(material->name, key.text());
    dbcAnyag->setEnabled(false);
    // A material without stock at the date shows its name here.
    if (m_sheet.stock(key).quantity <= 0 && material) {
        edtAN->setText(material->name);
        edtAN->show();
    }
    showMaterial();
    edtMennyiseg->setValue(quantity);
    edtMennyiseg->setFocus();
}

void TfrmUjKiszabat_mod::editNew()
{
    setMode(Mode::New);
    const int preset = dbcFokszam->findData(m_services.settings.defaultFokszam());
    dbcFokszam->setCurrentIndex(preset >= 0 ? preset : 0);
    fillMaterials();
    edtMennyiseg->setValue(0);
    dbcFokszam->setFocus();
}

void TfrmUjKiszabat_mod::fillMaterials()
{
    if (!m_fixedKey.isEmpty())
        return;
    dbcAnyag->clear();
    for (const RationMaterial &material : m_sheet.stockedMaterials(dbcFokszam->currentData().toString())) {
        const MaterialKey key = material.key();
        dbcAnyag->addItem(material.name + QStringLiteral("  ") + NumberFormat::plain(m_sheet.stock(key).quantity)
                + QLatin1Char(' ') + material.unit,
            key.text());
    }
    showMaterial();
}

MaterialKey TfrmUjKiszabat_mod::currentKey() const
{
    return m_fixedKey.isEmpty() ? MaterialKey::fromText(dbcAnyag->currentData().toString()) : m_fixedKey;
}

void TfrmUjKiszabat_mod::showMaterial()
{
    const RationMaterial *material = m_sheet.material(currentKey());
    const int decimals = material ? material->decimals : 3;
    const int shown = decimals >= 0 && decimals <= 3 ? decimals : 3;
    edtMennyiseg->setDecimals(shown);
    lblMertegys->setText(material ? material->unit : QString());
    const QString mask = shown == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(shown, QLatin1Char('0'));
    lblRakt->setText(NumberFormat::format(m_sheet.stock(currentKey()).quantity, mask) + QLatin1Char(' ')
        + (material ? material->unit : QString()));
}

void TfrmUjKiszabat_mod::record()
{
    if (!refused(m_save(currentKey(), edtMennyiseg->value())))
        accept();
}
