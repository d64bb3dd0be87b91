#pragma once

#include "session/Services.h"

#include <QDialog>
#include <QSqlDatabase>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

// Recipe line edit screen: "Új anyag felvitele" (quantity typed for ReceptFo portions, stays open)
// or "Anyag módosítása" (quantity for 100 portions, closes after recording).
class TfrmUjReceptA : public QDialog
{
    Q_OBJECT
public:
    TfrmUjReceptA(const Services &services, QSqlDatabase db, const QString &code, QWidget *parent = nullptr);

    void setNewMode();
    void setChangeMode(qint64 lineId);

    QComboBox *dbcFokszam;
    QComboBox *dbcAnyag;
    QDoubleSpinBox *edtMennyiseg;
    QLabel *lblMertegys;
    QLabel *lblMegjegyzes;
    QPushButton *btnRogzit;
    QPushButton *btnMegse;
    QPushButton *btnSugo;

private:
    void fillMaterials();
    void materialChanged();
    void btnRogzitClick();

    const Services &m_services;
    QSqlDatabase m_db;
    QString m_code;
    qint64 m_lineId = 0;
};
