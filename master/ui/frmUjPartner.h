#pragma once

#include "master/Partners.h"

#include <QDialog>
#include <QSqlDatabase>

class QLineEdit;
class QPushButton;
struct Services;

// The edit screen of a partner: new mode proposes the next id (not typed), modify mode shows the
// partner with the id disabled. Masked fields are stored with their literal characters.
class TfrmUjPartner : public QDialog
{
    Q_OBJECT
public:
    // Modify mode when `id` is given.
    TfrmUjPartner(const Services &services, QSqlDatabase db, const QString &id = QString(), QWidget *parent = nullptr);

    bool isNewMode() const { return m_id.isEmpty(); }

    QLineEdit *edtPartAzon;
    QLineEdit *edtNev;
    QLineEdit *edtIrszam;
    QLineEdit *edtTelepules;
    QLineEdit *edtUtca;
    QLineEdit *edtTelefon;
    QLineEdit *edtMobil;
    QLineEdit *edtFax;
    QLineEdit *edtEmail;
    QLineEdit *edtAdoszam;
    QLineEdit *edtSzamlaszam;
    QPushButton *btnRogzit;
    QPushButton *btnMegse;
    QPushButton *btnSugo;

private:
    void btnRogzitClick();
    void prepareNew();
    PartnerEntry entry() const;

    const Services &m_services;
    QSqlDatabase m_db;
    QString m_id;
};
