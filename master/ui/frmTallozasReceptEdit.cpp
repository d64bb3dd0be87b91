#include "master/ui/frmTallozasReceptEdit.h"

#include "widgets/UiBoundedField.h"
#include "widgets/UiControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

TfrmTallozasReceptEdit::TfrmTallozasReceptEdit(const QString &offered, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTallozasReceptEdit"));
    setWindowTitle(QStringLiteral("Recept azonosító"));
    edtAzonosito = named(new QLineEdit(offered, this), "edtAzonosito");
    UiBoundedField::limit(edtAzonosito, 4);
    btnOK = pushButton(this, QStringLiteral("btnOK"), QStringLiteral("OK"), true);
    btnOK->setDefault(true);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Azonosító:"), this));
    layout->addWidget(edtAzonosito);
    layout->addWidget(btnOK);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}
