#pragma once

#include "core/Refusal.h"
#include "widgets/UiEditDialog.h"

#include <functional>

class QLabel;
class QSpinBox;

// "Létszám módosítása": the headcount of one meal. "&Rögzít" hands the value to the save call and
// closes on success; "&Mégse" closes without writing anything.
class TfrmUjLetszam : public UiEditDialog
{
    Q_OBJECT
public:
    using Save = std::function<Refusal(int count)>;

    TfrmUjLetszam(const Services &services, const QString &mealName, int count, Save save, QWidget *parent = nullptr);

    QLabel *lblEtkezes;
    QSpinBox *fleLetszam;

private:
    void record() override;

    Save m_save;
};
