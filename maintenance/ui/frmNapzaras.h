#pragma once

#include "session/Services.h"

#include <QDialog>
#include <QSqlDatabase>

class QComboBox;
class QLabel;
class QPushButton;

// "Havi zárás": the month of the work year to close; "OK" closes it (and every month before it)
// and says how it went, "Mégse" leaves.
class TfrmNapzaras : public QDialog
{
    Q_OBJECT
public:
    TfrmNapzaras(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    // The date the proposal is made from; today unless set (tests).
    void setToday(const QDate &today);

    QComboBox *cmbHonap;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *btnOK;
    QPushButton *btnMegse;

private:
    void btnOKClick();

    Services m_services;
    QSqlDatabase m_db;
};
