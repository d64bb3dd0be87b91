#include "alacarte/ui/frmUjCartKiszabat.h"

TfrmUjCartKiszabat::TfrmUjCartKiszabat(const Services &services, MealSource groups, QWidget *parent)
    : TfrmUjKiszabat(services, std::move(groups), parent)
{
    setObjectName(QStringLiteral("frmUjCartKiszabat"));
    setWindowTitle(QStringLiteral("A la Carte kiszabat paraméterek"));
    setHelpPage(QStringLiteral("UjCartKiszabat.htm"));
}
