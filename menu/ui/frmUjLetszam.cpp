#include "menu/ui/frmUjLetszam.h"

#include "session/Settings.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"
#include "widgets/UiHelp.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

const QString HelpPage = QStringLiteral("UjLetszam.htm");

} // namespace

TfrmUjLetszam::TfrmUjLetszam(const Services &services, const QString &mealName, int count, Save save, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_save(std::move(save))
{
    setObjectName(QStringLiteral("frmUjLetszam"));
    setWindowTitle(QStringLiteral("Létszám módosítása"));
    lblEtkezes = named(new QLabel(QStringLiteral("Étkezés: ") + mealName, this), "lblEtkezes");
    fleLetszam = named(new QSpinBox(this), "fleLetszam");
    fleLetszam->setRange(0, 1000000);
    fleLetszam->setValue(count);
    btnRogzit = pushButton(this, QStringLiteral("btnRogzit"), QStringLiteral("&Rögzít"), true);
    btnMegse = pushButton(this, QStringLiteral("btnMegse"), QStringLiteral("&Mégse"), true);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true);

    auto *grid = new QGridLayout;
    grid->addWidget(lblEtkezes, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Létszám:"), this), 1, 0);
    grid->addWidget(fleLetszam, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnMegse);
    buttons->addWidget(btnSugo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    UiEnterMovesFocus::install({fleLetszam, btnRogzit});
    installHelpKey(this, services.settings, services.messenger, HelpPage);
    connect(btnRogzit, &QPushButton::clicked, this, [this] { btnRogzitClick(); });
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, HelpPage); });
    fleLetszam->setFocus();
    fleLetszam->selectAll();
}

void TfrmUjLetszam::btnRogzitClick()
{
    if (const Refusal refusal = m_save(fleLetszam->value())) {
        // The issued meal's headcount cannot be 0: the field offers 1 again.
        if (refusal.focus == fleLetszam->objectName())
            fleLetszam->setValue(1);
        refusal.show(m_services.messenger);
        fleLetszam->setFocus();
        return;
    }
    noticeModified(m_services);
    accept();
}
