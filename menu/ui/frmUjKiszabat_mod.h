#pragma once

#include "core/LookupEntry.h"
#include "core/Refusal.h"
#include "menu/RationSheet.h"
#include "widgets/UiEditDialog.h"

#include <QList>
#include <functional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

// The edit dialog of a material total (view 4, "Új anyag felvitele" / "Anyag módosítása") and, as
// TfrmUjKiszabat_Mod3, of a detail line (view 3, the same captions with ":"). In change mode only
// the quantity is editable; in new mode the account and the material (those with stock at the
// ration date) are chosen. "&Rögzít" hands the choice to `save`; a refusal is shown and the
// dialog stays open.
class TfrmUjKiszabat_mod : public UiEditDialog
{
    Q_OBJECT
public:
    using Save = std::function<Refusal(const MaterialKey &key, double quantity)>;
    using Accounts = LookupList;

    TfrmUjKiszabat_mod(const Services &services, const RationSheet &sheet, const Accounts &accounts, Save save,
        QWidget *parent = nullptr);

    // Change mode on one material with its current quantity.
    void editExisting(const MaterialKey &key, double quantity);
    // New mode, the account preset (DefaultFokszam, or the first).
    void editNew();
    // The a-la-carte sheet opens the dialog with a help page of its own.
    using UiEditDialog::setHelpPage;

    QLabel *lblFokszam;
    QComboBox *dbcFokszam;
    QLabel *lblAnyag;
    QComboBox *dbcAnyag;
    QLineEdit *edtAN;
    QLabel *lblMennyiseg;
    QDoubleSpinBox *edtMennyiseg;
    QLabel *lblMertegys;
    QLabel *lblRaktCaption;
    QLabel *lblRakt;

protected:
    void setLineCaptions();

private:
    void fillMaterials();
    void showMaterial();
    MaterialKey currentKey() const;
    void record() override;

    const RationSheet &m_sheet;
    Save m_save;
    MaterialKey m_fixedKey;
};
