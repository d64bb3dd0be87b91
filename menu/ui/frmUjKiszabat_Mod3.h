#pragma once

#include "menu/ui/frmUjKiszabat_mod.h"

// The edit dialog of a detail line (view 3): the twin of the total's dialog with its own captions
// and help page.
class TfrmUjKiszabat_Mod3 : public TfrmUjKiszabat_mod
{
    Q_OBJECT
public:
    TfrmUjKiszabat_Mod3(const Services &services, const RationSheet &sheet, const Accounts &accounts, Save save,
        QWidget *parent = nullptr);
};
