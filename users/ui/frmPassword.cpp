#include "users/ui/frmPassword.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmPassword::TfrmPassword(QWidget *parent)
    : QDialog(parent)
    , edtUserName(new QLineEdit(this))
    , edtPassword(new QLineEdit(this))
    , btnOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral("Azonosítás"));
    edtUserName->setObjectName(QStringLiteral("edtUserName"));
    edtPassword->setObjectName(QStringLiteral("edtPassword"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    edtPassword->setEchoMode(QLineEdit::Password);
    edtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 9679;")); // a filled dot

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Felhasználónév:"), this), 0, 0);
    grid->addWidget(edtUserName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Jelszó:"), this), 1, 0);
    grid->addWidget(edtPassword, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    edtUserName->installEventFilter(this);
    edtPassword->installEventFilter(this);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

LoginEntry TfrmPassword::entry() const
{
    if (result() != QDialog::Accepted)
        return LoginEntry {Login::cancelName(), QString()};
    return LoginEntry {edtUserName->text(), edtPassword->text()};
}

LoginEntry TfrmPassword::ask(QWidget *parent)
{
    TfrmPassword dialog(parent);
    dialog.exec();
    return dialog.entry();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == edtUserName)
                edtPassword->setFocus();
            else if (watched == edtPassword)
                accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmPassword::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    edtUserName->setFocus();
}
