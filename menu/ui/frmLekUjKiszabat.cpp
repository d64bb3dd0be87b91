#include "menu/ui/frmLekUjKiszabat.h"

TfrmLekUjKiszabat::TfrmLekUjKiszabat(const Services &services, MealSource meals, QWidget *parent)
    : TfrmUjKiszabat(services, std::move(meals), parent)
{
    setObjectName(QStringLiteral("frmLekUjKiszabat"));
    setWindowTitle(QStringLiteral("Anyagfelhasználás tervezés"));
    showPeriod(QStringLiteral("LekUjKiszabat.htm"));
}
