#pragma once

#include "master/Partners.h"

#include "widgets/UiEditDialog.h"

#include <QSqlDatabase>

class QLineEdit;

// The edit screen of a partner: new mode proposes the next id (not typed), modify mode shows the
// partner with the id disabled. Masked fields are stored with their literal characters.
class TfrmUjPartner : public UiEditDialog
{
    Q_OBJECT
public:
    // Modify mode when `id` is given.
    TfrmUjPartner(const Services &services, QSqlDatabase db, const QString &id = QString(), QWidget *parent = nullptr);

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

private:
    void record() override;
    void prepareNew();
    PartnerEntry entry() const;

    QSqlDatabase m_db;
    QString m_id;
};
