#pragma once

#include "maintenance/ErrorReport.h"

#include <QDialog>

class Messenger;
class QCheckBox;
class QLineEdit;
class QPushButton;

// "E-mail küldő": the contact of an error report and whether the active warehouse goes with it
// (unticked: it leaves only when the user ticks it). "Küldés" needs an e-mail or a phone.
class TfrmSetMail : public QDialog
{
    Q_OBJECT
public:
    TfrmSetMail(Messenger &messenger, bool flatRate, QWidget *parent = nullptr);

    ErrorReport::Contact contact() const;
    bool attachWarehouse() const;

    QLineEdit *edtKapcs;
    QLineEdit *edtMail;
    QLineEdit *edtTel;
    QCheckBox *chkRaktar;
    QCheckBox *chkAltalany;
    QPushButton *btnKuldes;
    QPushButton *btnMegse;

private:
    Messenger &m_messenger;
};
