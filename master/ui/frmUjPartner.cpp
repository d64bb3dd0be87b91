#include "master/ui/frmUjPartner.h"


#include "widgets/UiControls.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *masked(QWidget *parent, const QString &name, const QString &mask)
{
    QLineEdit *edit = lineEdit(parent, name);
    // The unfilled places are kept as blanks.
    edit->setInputMask(mask + QStringLiteral("; "));
    return edit;
}

} // namespace

TfrmUjPartner::TfrmUjPartner(const Services &services, QSqlDatabase db, const QString &id, QWidget *parent)
    : UiEditDialog(services, QStringLiteral("TfrmUjPartner"), QStringLiteral("ujpartner.htm"), parent)
    , m_db(db)
    , m_id(id)
{
    setModal(true);
    setMode(id.isEmpty() ? Mode::New : Mode::Modify);

    edtPartAzon = lineEdit(this, QStringLiteral("edtPartAzon"), 6);
    edtPartAzon->setEnabled(false);
    edtNev = lineEdit(this, QStringLiteral("edtNev"), 50);
    edtIrszam = lineEdit(this, QStringLiteral("edtIrszam"), 8);
    edtTelepules = lineEdit(this, QStringLiteral("edtTelepules"), 20);
    edtUtca = lineEdit(this, QStringLiteral("edtUtca"), 30);
    edtTelefon = masked(this, QStringLiteral("edtTelefon"), QStringLiteral("(99) 000-0009"));
    edtMobil = masked(this, QStringLiteral("edtMobil"), QStringLiteral("(00) 000-0000"));
    edtFax = masked(this, QStringLiteral("edtFax"), QStringLiteral("(00) 000-0000"));
    edtEmail = lineEdit(this, QStringLiteral("edtEmail"), 30);
    edtAdoszam = masked(this, QStringLiteral("edtAdoszam"), QStringLiteral("00000000-0-00"));
    edtSzamlaszam = masked(this, QStringLiteral("edtSzamlaszam"), QStringLiteral("00000000-00000000-00000000"));

    auto *form = new QFormLayout;
    const std::pair<const char *, QLineEdit *> rows[] = {{"Partner azonosító:", edtPartAzon}, {"Név:", edtNev},
        {"Irányítószám:", edtIrszam}, {"Település:", edtTelepules}, {"Utca, házszám:", edtUtca},
        {"Telefonszám:", edtTelefon}, {"Mobiltelefon:", edtMobil}, {"FAX:", edtFax}, {"E-mail:", edtEmail},
        {"Adószám:", edtAdoszam}, {"Számlaszám:", edtSzamlaszam}};
    for (const auto &row : rows)
        form->addRow(buddyLabel(this, QString::fromUtf8(row.first), row.second), row.second);
    // FAX is left out of the Enter chain: it is reached with the mouse or Tab.
    setForm(form, {edtNev, edtIrszam, edtTelepules, edtUtca, edtTelefon, edtMobil, edtEmail, edtAdoszam, edtSzamlaszam});

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

void TfrmUjPartner::record()
{
    if (refused(isNewMode() ? Partners::insert(m_db, entry()) : Partners::update(m_db, entry())))
        return;
    if (saved())
        prepareNew();
}
