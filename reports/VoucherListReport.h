#pragma once

#include "reports/ReportQuery.h"
#include "reports/VoucherListModel.h"
#include "stock/VoucherPrintRows.h"


// The receipt or issue voucher list ("Bevételi/Kiadási bizonylatok listája"): every item of the
// period with its material, movement type, prices, VAT and partner, grouped per voucher (number
// and date) for the printout, with the exact net, VAT and gross totals. Filters by name: the part
// of the voucher number, the ledger account, the supplier (receipts), the movement-type range and
// the order; an empty value drops its condition.
class VoucherListReport : public ReportQuery
{
public:
    static inline const QString NumberPart = QStringLiteral("numberPart");
    static inline const QString LedgerAccount = QStringLiteral("fokSzla");
    static inline const QString Partner = QStringLiteral("partAzon");
    static inline const QString MovementFrom = QStringLiteral("mozgnemFrom");
    static inline const QString MovementTo = QStringLiteral("mozgnemTo");
    // true: "Bizonylat+dátum"; false: "Dátum+bizonylat".
    static inline const QString NumberFirst = QStringLiteral("numberFirst");

    // `direction` is "BE" (receipt list) or "KI" (issue list).
    VoucherListReport(QSqlDatabase warehouse, const QString &direction);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override;

    // The rows of the last run in grid order, one group per voucher.
    const VoucherPrintRows &vouchers() const { return m_rows; }
    // The voucher (number and date) of a grid row; -1 outside.
    int voucherOfRow(int gridRow) const;
    static QString totalsText(const VoucherPrintRows::Totals &totals);

private:
    QSqlDatabase m_db;
    QString m_direction;
    VoucherPrintRows m_rows;
    VoucherListModel m_model;
};
