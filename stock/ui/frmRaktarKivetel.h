#pragma once

#include "core/MaterialKey.h"
#include "stock/ui/VoucherScreen.h"

// The issue voucher screen ("Kiadási bizonylat"): takes goods out of the stock item by item at the
// average price (or at a typed value with KiadAr on), showing each material's stock on the voucher
// date; opened on one issue item it changes that item.
class TfrmRaktarKivetel : public VoucherScreen
{
    Q_OBJECT
public:
    TfrmRaktarKivetel(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    int runNew();

    QLabel *lblLeltar;
    QLabel *lblLeltarMertekegyseg; // the unit beside the stock
    QLabel *lblFigyelmeztet;

    // Closing with movement type "06" offers the loss report first.
    void reject() override;

public slots:
    // "Leltár újrakalkuláció": the stock at the voucher date, computed again.
    void spdNewClick();

protected:
    bool pricesTyped() const override;
    void materialChosen(bool byUser) override;
    void voucherDateSet() override;
    void fillPricesFromRow(const MovementRow &row) override;
    void afterRecorded() override;
    QString helpPage() const override { return QStringLiteral("RaktarKivetel.htm"); }
    QString modifyTitle() const override { return QStringLiteral("Kiadási bizonylat módosítása"); }

private:
    void showStock();
    void stockOutOfDate();

    QHash<MaterialKey, double> m_stock; // the stock on the voucher date
};
