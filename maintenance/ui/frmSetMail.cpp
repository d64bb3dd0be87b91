#include "maintenance/ui/frmSetMail.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSetMail::TfrmSetMail(Messenger &messenger, bool flatRate, QWidget *parent)
    : QDialog(parent)
    , m_messenger(messenger)
{
    setObjectName(QStringLiteral("frmSetMail"));
    setWindowTitle(QStringLiteral("E-mail küldő"));
    auto named = [this](auto *widget, const char *name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    edtKapcs = named(new QLineEdit(this), "edtKapcs");
    edtMail = named(new QLineEdit(this), "edtMail");
    edtTel = named(new QLineEdit(this), "edtTel");
    chkRaktar = named(new QCheckBox(QStringLiteral("Aktív raktár csatolása az e-mailhez"), this), "chkRaktar");
    chkAltalany = named(new QCheckBox(QStringLiteral("Átalánydíjas szerződése van"), this), "chkAltalany");
    chkAltalany->setChecked(flatRate);
    btnKuldes = named(new QPushButton(QStringLiteral("Küldés"), this), "btnKuldes");
    btnMegse = named(new QPushButton(QStringLiteral("Mégse"), this), "btnMegse");

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Az Ön neve:"), edtKapcs);
    form->addRow(QStringLiteral("E-mail címe:"), edtMail);
    form->addRow(QStringLiteral("Telefonszáma:"), edtTel);
    auto *group = new QGroupBox(QStringLiteral("Csatolt állományok"), this);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(chkRaktar);
    groupLayout->addWidget(chkAltalany);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnKuldes);
    buttons->addWidget(btnMegse);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(btnKuldes, &QPushButton::clicked, this, [this] {
        if (const Refusal refused = ErrorReport::checkContact(contact())) {
            refused.show(m_messenger);
            return;
        }
        accept();
    });
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
}

ErrorReport::Contact TfrmSetMail::contact() const
{
    return {ErrorReport::oneLine(edtKapcs->text()), ErrorReport::oneLine(edtMail->text()),
        ErrorReport::oneLine(edtTel->text()), chkAltalany->isChecked()};
}

bool TfrmSetMail::attachWarehouse() const
{
    return chkRaktar->isChecked();
}
