#include "menu/ui/frmUjKiszabat_Mod3.h"

TfrmUjKiszabat_Mod3::TfrmUjKiszabat_Mod3(
    const Services &services, const RationSheet &sheet, const Accounts &accounts, Save save, QWidget *parent)
    : TfrmUjKiszabat_mod(services, sheet, accounts, std::move(save), parent)
{
    setObjectName(QStringLiteral("frmUjKiszabat_Mod3"));
    setLineCaptions();
}
