#pragma once

#include <QString>

// The message texts of the stock movements (Parts 4.1, 4.2, 4.3), in one place; the tests pin
// them as literals.
namespace StockMessages {

QString closedMonth();
QString noMaterial();
QString badVoucherNumber();
QString outsideWorkYear();
QString sameMaterialTwice();
QString otherPartner();
QString beforeOpening();
QString openingExists();
QString zeroQuantity();
QString negativeOnRecord();
QString negativeOnChange();
QString negativeOnDelete();
QString recorded();
QString modified();
QString deleted();
QString belowMinimum(const QString &material);
QString aboveMaximum(const QString &material);
QString rowMissing();
QString noIssueVoucher();
QString voucherDeleted();

} // namespace StockMessages
