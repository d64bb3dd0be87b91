#pragma once

#include "menu/ui/frmUjKiszabat.h"

// The planning parameter dialog "Anyagfelhasználás tervezés": start and end date (no lower limit)
// and the meals with an unissued headcount between them.
class TfrmLekUjKiszabat : public TfrmUjKiszabat
{
    Q_OBJECT
public:
    TfrmLekUjKiszabat(const Services &services, MealSource meals, QWidget *parent = nullptr);
};
