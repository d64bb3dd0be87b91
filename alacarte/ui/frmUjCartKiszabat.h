#pragma once

#include "menu/ui/frmUjKiszabat.h"

// The parameter dialog of the a-la-carte sheet "A la Carte kiszabat paraméterek": the date and
// the dish groups that have open menu rows on it.
class TfrmUjCartKiszabat : public TfrmUjKiszabat
{
    Q_OBJECT
public:
    TfrmUjCartKiszabat(const Services &services, MealSource groups, QWidget *parent = nullptr);
};
