#pragma once

#include "widgets/UiEditDialog.h"

#include <QSqlDatabase>

class QComboBox;
class QLabel;
class QLineEdit;

// Recipe line edit screen: "Új anyag felvitele" (quantity typed for ReceptFo portions, stays open)
// or "Anyag módosítása" (quantity for 100 portions, closes after recording).
class TfrmUjReceptA : public UiEditDialog
{
    Q_OBJECT
public:
    TfrmUjReceptA(const Services &services, QSqlDatabase db, const QString &code, QWidget *parent = nullptr);

    void setNewMode();
    void setChangeMode(qint64 lineId);

    QComboBox *dbcFokszam;
    QComboBox *dbcAnyag;
    QLineEdit *edtMennyiseg;
    QLabel *lblMertegys;
    QLabel *lblMegjegyzes;

private:
    void fillMaterials();
    void materialChanged();
    void showQuantity(double quantity);
    void record() override;

    QSqlDatabase m_db;
    QString m_code;
    qint64 m_lineId = 0;
    // The quantity the field shows: recorded as it is unless the user edits the field.
    double m_quantity = 0;
    int m_decimals = 3;
};
