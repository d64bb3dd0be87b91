#include "menu/ui/RationNutrientScreens.h"

namespace RationNutrientScreens {

namespace {

Opener &stored()
{
    static Opener instance;
    return instance;
}

} // namespace

void setOpener(Opener opener)
{
    stored() = std::move(opener);
}

const Opener &opener()
{
    return stored();
}

} // namespace RationNutrientScreens
