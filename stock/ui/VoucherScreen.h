#pragma once

#include "core/Refusal.h"
#include "printing/ui/Printout.h"
#include "stock/ItemPrices.h"
#include "stock/StockItem.h"
#include "stock/VoucherLookups.h"

#include <QDialog>
#include <QSqlDatabase>
#include <optional>

struct Services;
struct StockOutcome;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QToolButton;

// The common part of the receipt and issue voucher screens: the voucher header with its number,
// date, movement type and partner, the item panel (material, quantity, VAT row and price fields),
// the grid of the voucher's items with its totals, and the buttons. A new voucher is built item by
// item; opened on one row the screen changes that item instead. The screens only collect what
// the user typed, hand it to the stock engine and show the answer.
class VoucherScreen : public QDialog
{
    Q_OBJECT
public:
    ~VoucherScreen() override;

    // Opens the screen on one existing item (modify mode); false when the row does not exist.
    bool openOnRow(qint64 raktAzon);
    bool isModifyMode() const { return m_modifyId != 0; }
    // Shows the voucher printout's pages in place of the modal preview (tests).
    void setPreviewer(Printout::Previewer previewer) { m_previewer = std::move(previewer); }

    QLineEdit *edtBizSorsz;
    QDateEdit *dtpBizDatum;
    QComboBox *dbcMozgnem;
    QComboBox *dbcPartner;
    QLabel *lblCim;
    QLabel *lblSorszam;
    QLabel *lblNetto;
    QLabel *lblAfa;
    QLabel *lblBrutto;
    QComboBox *dbcFokszam;
    QLineEdit *edtAnyagKod;
    QComboBox *dbcAnyag;
    QToolButton *spdNew;
    QLineEdit *edtMennyiseg;
    QLabel *lblMertekegyseg;
    QComboBox *dbcAfa;
    QLineEdit *fleNEar;
    QLineEdit *fleBrEar;
    QLineEdit *fleKiadAr;
    QLineEdit *fleBroar;
    QTableView *tblTetelek;
    QPushButton *btnRogzit;
    QPushButton *btnMegse;
    QPushButton *btnSugo;
    QPushButton *btnPrint;

public slots:
    void btnRogzitClick();
    void btnSugoClick();
    void btnPrintClick();

protected:
    VoucherScreen(const Services &services, QSqlDatabase warehouse, const QString &direction, QWidget *parent);

    // Builds the header, the item panel up to the VAT row, the grid and the buttons; a screen adds
    // its own price fields to priceLayout() and then calls finishLayout().
    void buildCommon(const QString &headerTitle);
    QGridLayout *priceLayout() const { return m_prices; }
    void finishLayout();
    // Fills the lists and proposes a new voucher (opening for a new voucher).
    void startNewVoucher(const QString &movementType, const QString &partner);

    // The item as the fields hold it, every typed number read strictly; the refusal names the
    // first field that holds no number or one out of its range.
    virtual Checked<StockItem> collectItem() const;
    // Whether the price fields are the user's (read and checked on recording).
    virtual bool pricesTyped() const = 0;
    // The price fields after `typed` was typed (or the quantity, VAT row, material or date
    // changed). An unreadable quantity or driving field changes nothing: recording refuses it.
    void recomputePrices(ItemPrices::Typed typed);
    // The prices just computed and shown, for a screen's own fields.
    virtual void pricesComputed(const ItemPrices &) { }
    virtual void fillPricesFromRow(const struct MovementRow &row) = 0;
    // After a successful recording in new mode.
    virtual void afterRecorded() = 0;
    // A material was chosen (by list or register number); `presetPrice` when the issue screen
    // presets its price.
    virtual void materialChosen(bool byUser);
    // The voucher date was set by the program (opening for a new voucher or on a row).
    virtual void voucherDateSet() { }
    virtual QString helpPage() const = 0;
    virtual QString modifyTitle() const = 0;

    void showPrices(const ItemPrices &prices);
    const VoucherLookups::Material *currentMaterial() const;
    double vatPercent() const;
    // The quantity field rounded to the chosen material's decimals, so that the value computed
    // from it is the value of the quantity stored; none when it holds no number in range.
    std::optional<double> quantity() const;
    int quantityDecimals() const;
    // Writes the quantity as it will be stored (the material's decimals) back into its field.
    void showRoundedQuantity();
    void chooseVatRow();
    void selectLedger(const QString &fokSzla);
    void refreshView();
    void showOutcome(const StockOutcome &outcome, bool modify);

    const Services &m_services;
    QSqlDatabase m_db;
    VoucherLookups m_lookups;
    QString m_direction;
    QString m_fallbackNumber;
    bool m_numberProposed = true;
    qint64 m_modifyId = 0;
    QList<VoucherLookups::Material> m_materials;
    QList<VoucherLookups::Vat> m_vatRows;
    QList<VoucherLookups::Partner> m_partners;
    QGroupBox *m_header = nullptr;
    QGroupBox *m_item = nullptr;
    QGridLayout *m_itemLayout = nullptr;
    QGridLayout *m_prices = nullptr;
    QStandardItemModel *m_itemsModel = nullptr;
    Printout::Previewer m_previewer;

private:
    void edtBizSorszExit();
    void dtpBizDatumChange();
    void dbcPartnerChange();
    void dbcFokszamChange();
    void dbcAnyagChange();
    void edtAnyagKodEnter();
};
