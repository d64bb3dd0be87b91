#include "master/ui/frmUjPartner.h"

#include "master/ui/MasterControls.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"
#include "widgets/UiHelp.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *masked(QWidget *parent, const QString &name, const QString &mask)
{
    QLineEdit *edit = MasterControls::lineEdit(parent, name);
    // The unfilled places are kept as blanks.
    edit->setInputMask(mask + QStringLiteral("; "));
    return edit;
}

} // namespace

TfrmUjPartner::TfrmUjPartner(const Services &services, QSqlDatabase db, const QString &id, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_db(db)
    , m_id(id)
{
    setObjectName(QStringLiteral("TfrmUjPartner"));
    setWindowTitle(isNewMode() ? QStringLiteral("Új adat felvitele") : QStringLiteral("Adat módosítása"));
    setModal(true);

    edtPartAzon = MasterControls::lineEdit(this, QStringLiteral("edtPartAzon"), 6);
    edtPartAzon->setEnabled(false);
    edtNev = MasterControls::lineEdit(this, QStringLiteral("edtNev"), 50);
    edtIrszam = MasterControls::lineEdit(this, QStringLiteral("edtIrszam"), 8);
    edtTelepules = MasterControls::lineEdit(this, QStringLiteral("edtTelepules"), 20);
    edtUtca = MasterControls::lineEdit(this, QStringLiteral("edtUtca"), 30);
    edtTelefon = masked(this, QStringLiteral("edtTelefon"), QStringLiteral("(99) 000-0009"));
    edtMobil = masked(this, QStringLiteral("edtMobil"), QStringLiteral("(00) 000-0000"));
    edtFax = masked(this, QStringLiteral("edtFax"), QStringLiteral("(00) 000-0000"));
    edtEmail = MasterControls::lineEdit(this, QStringLiteral("edtEmail"), 30);
    edtAdoszam = masked(this, QStringLiteral("edtAdoszam"), QStringLiteral("00000000-0-00"));
    edtSzamlaszam = masked(this, QStringLiteral("edtSzamlaszam"), QStringLiteral("00000000-00000000-00000000"));

    auto *form = new QFormLayout;
    const std::pair<const char *, QLineEdit *> rows[] = {{"Partner azonosító:", edtPartAzon}, {"Név:", edtNev},
        {"Irányítószám:", edtIrszam}, {"Település:", edtTelepules}, {"Utca, házszám:", edtUtca},
        {"Telefonszám:", edtTelefon}, {"Mobiltelefon:", edtMobil}, {"FAX:", edtFax}, {"E-mail:", edtEmail},
        {"Adószám:", edtAdoszam}, {"Számlaszám:", edtSzamlaszam}};
    for (const auto &row : rows)
        form->addRow(MasterControls::label(this, QString::fromUtf8(row.first), row.second), row.second);

    btnRogzit = pushButton(this, QStringLiteral("btnRogzit"), QStringLiteral("&Rögzít"), false);
    btnMegse = pushButton(this, QStringLiteral("btnMegse"), QStringLiteral("&Mégse"), false);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnMegse);
    buttons->addWidget(btnSugo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(btnRogzit, &QPushButton::clicked, this, &TfrmUjPartner::btnRogzitClick);
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, QStringLiteral("ujpartner.htm")); });
    installHelpKey(this, m_services.settings, m_services.messenger, QStringLiteral("ujpartner.htm"));
    // FAX is left out of the Enter chain: it is reached with the mouse or Tab.
    UiEnterMovesFocus::install({edtNev, edtIrszam, edtTelepules, edtUtca, edtTelefon, edtMobil, edtEmail, edtAdoszam,
        edtSzamlaszam, btnRogzit});

    if (isNewMode()) {
        prepareNew();
    } else {
        const PartnerEntry partner = Partners::read(db, id);
        edtPartAzon->setText(partner.id);
        edtNev->setText(partner.name);
        edtIrszam->setText(partner.postalCode);
        edtTelepules->setText(partner.settlement);
        edtUtca->setText(partner.street);
        edtTelefon->setText(partner.phone);
        edtMobil->setText(partner.mobile);
        edtFax->setText(partner.fax);
        edtEmail->setText(partner.email);
        edtAdoszam->setText(partner.taxNumber);
        edtSzamlaszam->setText(partner.bankAccount);
        edtNev->setFocus();
    }
}

void TfrmUjPartner::prepareNew()
{
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->clear();
    edtPartAzon->setText(Partners::nextId(m_db));
    edtNev->setFocus();
}

PartnerEntry TfrmUjPartner::entry() const
{
    return PartnerEntry {edtPartAzon->text(), edtNev->text(), edtIrszam->text(), edtTelepules->text(), edtUtca->text(),
        edtTelefon->displayText(), edtMobil->displayText(), edtFax->displayText(), edtEmail->text(),
        edtAdoszam->displayText(), edtSzamlaszam->displayText()};
}

void TfrmUjPartner::btnRogzitClick()
{
    const Refusal refusal = isNewMode() ? Partners::insert(m_db, entry()) : Partners::update(m_db, entry());
    if (showRefusal(this, m_services.messenger, refusal))
        return;
    if (!isNewMode()) {
        noticeModified(m_services);
        accept();
        return;
    }
    noticeAdded(m_services);
    prepareNew();
}
