#include "widgets/frmRaktarKiv.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmRaktarKiv::TfrmRaktarKiv(QWidget *parent)
    : QDialog(parent)
    , lblRaktar(new QLabel(QStringLiteral("Kérem válassza ki a használni kívánt raktárat:"), this))
    , comRaktar(new QComboBox(this))
    , btnOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmRaktarKiv"));
    setWindowTitle(QStringLiteral("Raktár kiválasztása"));
    lblRaktar->setObjectName(QStringLiteral("lblRaktar"));
    comRaktar->setObjectName(QStringLiteral("comRaktar"));
    comRaktar->setEditable(false);
    comRaktar->setMaxVisibleItems(10);
    // A list-style popup: the default one of some styles opens over the whole list and ignores the
    // ten-row limit.
    comRaktar->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    comRaktar->setMinimumWidth(300);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblRaktar);
    layout->addWidget(comRaktar);
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmRaktarKiv::setNames(const QStringList &names)
{
    comRaktar->clear();
    comRaktar->addItems(names);
    comRaktar->setCurrentIndex(names.isEmpty() ? -1 : 0);
}

int TfrmRaktarKiv::choose()
{
    return exec() == QDialog::Accepted ? comRaktar->currentIndex() : -1;
}
