#include "menu/ui/frmUjLetszam.h"

#include "widgets/UiControls.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

TfrmUjLetszam::TfrmUjLetszam(const Services &services, const QString &mealName, int count, Save save, QWidget *parent)
    : UiEditDialog(services, QStringLiteral("frmUjLetszam"), QStringLiteral("UjLetszam.htm"), parent)
    , m_save(std::move(save))
{
    setCaptions(QStringLiteral("Létszám módosítása"), QStringLiteral("Létszám módosítása"));
    setMode(Mode::Modify);
    lblEtkezes = named(new QLabel(QStringLiteral("Étkezés: ") + mealName, this), "lblEtkezes");
    fleLetszam = named(new QSpinBox(this), "fleLetszam");
    fleLetszam->setRange(0, 1000000);
    fleLetszam->setValue(count);

    auto *grid = new QGridLayout;
    grid->addWidget(lblEtkezes, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Létszám:"), this), 1, 0);
    grid->addWidget(fleLetszam, 1, 1);
    setForm(grid, {fleLetszam});
    fleLetszam->setFocus();
    fleLetszam->selectAll();
}

void TfrmUjLetszam::record()
{
    if (const Refusal refusal = m_save(fleLetszam->value())) {
        // The issued meal's headcount cannot be 0: the field offers 1 again.
        if (refusal.focus == fleLetszam->objectName())
            fleLetszam->setValue(1);
        refused(refusal);
        fleLetszam->setFocus();
        return;
    }
    saved();
}
