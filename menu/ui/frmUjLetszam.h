#pragma once

#include "core/Refusal.h"
#include "session/Services.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;

// "Létszám módosítása": the headcount of one meal. "&Rögzít" hands the value to the save call and
// closes on success; "&Mégse" closes without writing anything.
class TfrmUjLetszam : public QDialog
{
    Q_OBJECT
public:
    using Save = std::function<Refusal(int count)>;

    TfrmUjLetszam(const Services &services, const QString &mealName, int count, Save save, QWidget *parent = nullptr);

    QLabel *lblEtkezes;
    QSpinBox *fleLetszam;
    QPushButton *btnRogzit;
    QPushButton *btnMegse;
    QPushButton *btnSugo;

private:
    void btnRogzitClick();

    const Services &m_services;
    Save m_save;
};
