#include "alacarte/ui/frmUjCartCsop.h"

#include "alacarte/DishGroups.h"
#include "widgets/UiControls.h"

#include <QFormLayout>
#include <QLineEdit>

TfrmUjCartCsop::TfrmUjCartCsop(const Services &services, QSqlDatabase db, QWidget *parent)
    : UiEditDialog(services, QStringLiteral("frmUjCartCsop"), QStringLiteral("UjCartCsop.htm"), parent)
    , m_db(db)
{
    edtFokszam = lineEdit(this, QStringLiteral("edtFokszam"), 3);
    edtMegnev = lineEdit(this, QStringLiteral("edtMegnev"), 50);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Csoport kód:"), edtFokszam);
    form->addRow(QStringLiteral("Megnevezés:"), edtMegnev);
    setForm(form, {edtFokszam, edtMegnev});
    setNewMode();
}

void TfrmUjCartCsop::setNewMode()
{
    setMode(Mode::New);
    edtFokszam->setEnabled(true);
    edtFokszam->setStyleSheet(QString());
    edtFokszam->clear();
    edtMegnev->clear();
}

void TfrmUjCartCsop::setChangeMode(const QString &code, const QString &name)
{
    setMode(Mode::Modify);
    edtFokszam->setText(code);
    edtFokszam->setEnabled(false);
    edtFokszam->setStyleSheet(QStringLiteral("background: lightgray;"));
    edtMegnev->setText(name);
}

void TfrmUjCartCsop::record()
{
    if (!isNewMode()) {
        if (!refused(DishGroups::rename(m_db, edtFokszam->text(), edtMegnev->text()))) {
            m_saved = edtFokszam->text();
            saved();
        }
        return;
    }
    const Checked<QString> added = DishGroups::add(m_db, edtFokszam->text(), edtMegnev->text());
    if (refused(added.refusal))
        return;
    m_saved = added.value;
    if (saved()) {
        setNewMode();
        edtFokszam->setFocus();
    }
}
