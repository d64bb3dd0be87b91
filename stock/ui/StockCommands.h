#pragma once

#include <QString>

class CommandRegistry;
struct Services;

// The menu commands of the stock vouchers and corrections, by the names of their menu items.
namespace StockCommands {

inline const QString Receipt = QStringLiteral("Bevtelibizonylat1");
inline const QString Issue = QStringLiteral("Anyagkiads1");
inline const QString ReceiptChange = QStringLiteral("Bevtelibizonylatmdosts1");
inline const QString ReceiptDelete = QStringLiteral("Bevtelibizonylattrls1");
inline const QString IssueChange = QStringLiteral("Kiadsibizonylatmdosts1");
inline const QString IssueDelete = QStringLiteral("Kiadsibizonylattrls1");
inline const QString IssueVoucherDelete = QStringLiteral("Kiadsibizonylattrls2");

} // namespace StockCommands

// Registers the voucher screens, the correction list in its four modes and the whole issue-voucher
// deletion, each opened on the active warehouse. The menu rights of the access level are the main
// window's (by top-level menu): they lie under "&Adatkarbantartás", closed to level 3.
void registerStockCommands(CommandRegistry &registry, const Services &services);
