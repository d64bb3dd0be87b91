#pragma once

#include <QDialog>
#include <QSqlDatabase>

struct Services;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// Deleting a whole manual issue voucher ("Kiadási bizonylat törlése") by its date and exact number:
// every item or none.
class TfrmKibizTorles : public QDialog
{
    Q_OBJECT
public:
    TfrmKibizTorles(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    QDateEdit *dtpDatum;
    QLineEdit *edtBizSzam;
    QLabel *lblMegjegyzes;
    QPushButton *btnTorol;
    QPushButton *btnBezar;
    QPushButton *btnSugo;

public slots:
    void btnTorolClick();
    void btnSugoClick();

private:
    const Services &m_services;
    QSqlDatabase m_db;
};
