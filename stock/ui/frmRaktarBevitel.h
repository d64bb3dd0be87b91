#pragma once

#include "stock/ui/VoucherScreen.h"

#include <functional>

// The receipt voucher screen ("Bevételi bizonylat"): takes goods into the stock item by item, or
// changes one receipt item when opened on it.
class TfrmRaktarBevitel : public VoucherScreen
{
    Q_OBJECT
public:
    TfrmRaktarBevitel(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    // What spdNew ("Új anyag felvitele") opens, the raw-material browse screen unless replaced
    // (tests); the material list is read again afterwards. Without it the button is hidden.
    void setMaterialBrowser(std::function<void(QWidget *parent)> browser);
    // The entry operation of the menu command: a new voucher, shown modally.
    int runNew();

    QLineEdit *fleAfa;
    QDateEdit *dtpLejarat;

protected:
    Checked<StockItem> collectItem() const override;
    bool pricesTyped() const override { return true; }
    void pricesComputed(const ItemPrices &prices) override;
    void fillPricesFromRow(const MovementRow &row) override;
    void afterRecorded() override;
    QString helpPage() const override { return QStringLiteral("raktarbevitel.htm"); }
    QString modifyTitle() const override { return QStringLiteral("Bevételi bizonylat módosítása"); }

private:
    void spdNewClick();

    std::function<void(QWidget *parent)> m_materialBrowser;
};
