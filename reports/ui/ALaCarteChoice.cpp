#include "reports/ui/ALaCarteChoice.h"

#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QLabel>

namespace ALaCarteChoice {

QCheckBox *checkBox(QWidget *parent)
{
    return named(new QCheckBox(QStringLiteral("A la carte kiadások (08) beszámítása"), parent), "chkALaCarte");
}

QLabel *note(QWidget *parent)
{
    auto *label = named(new QLabel(QStringLiteral("Az a la carte kiadásoknak nincs normakerete, ezért a normakeretet "
                                                  "csak a kiszabatos kiadásokkal veti össze, hacsak nem jelöli be."),
                            parent),
        "lblALaCarte");
    label->setWordWrap(true);
    return label;
}

} // namespace ALaCarteChoice
