#pragma once

#include "users/Login.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The login dialog "Azonosítás": user name and password. Each attempt uses a fresh dialog.
class TfrmPassword : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    // What the dialog returns: the typed name and password after "OK" (or Enter in the password
    // field), the user name "exit" when it was closed in any other way.
    LoginEntry entry() const;

    // Shows a fresh dialog modally and returns what it returned.
    static LoginEntry ask(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *edtUserName;
    QLineEdit *edtPassword;
    QPushButton *btnOK;
};
