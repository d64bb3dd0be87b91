#pragma once

#include "menu/RationSheet.h"

#include <functional>

class QWidget;

// The nutrient calculations of the ration sheet being prepared, opened by the sheet's buttons
// "Tá&p. részl" and "Tá&p. csop". They belong to the reports room above this one, which sets the
// opener when it registers its commands; until then the buttons stay disabled.
namespace RationNutrientScreens {

enum class Kind { Detailed, Grouped };
using Opener = std::function<void(Kind kind, const RationSheet &sheet, QWidget *parent)>;

void setOpener(Opener opener);
const Opener &opener();

} // namespace RationNutrientScreens
