#pragma once

#include "core/Refusal.h"
#include "menu/RationSheet.h"
#include "stock/StockOptions.h"
#include "stock/StockOutcome.h"
#include "stock/StockVoucher.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// The header of the issue voucher of a ration sheet.
struct RationIssueHeader
{
    QString bizSzam; // eight digits
    bool numberProposed = true; // proposed by the program: taken meanwhile, it is proposed afresh
    QString mozgnem = QStringLiteral("07");
    QString partAzon = QStringLiteral("00001");
};

// Issues a ration sheet from stock in one voucher, all or nothing, in one write transaction: one
// issue row per material total above 0 (with the stock recalculation in check and write mode),
// the running number, the meals' headcounts marked issued, the detail lines copied into Kiszabat,
// the recipes' UseDat, and the owner's unfinished sheet emptied. Inside the transaction every meal
// of the sheet must still be unissued, so the same meals are never issued twice.
class RationIssue
{
public:
    RationIssue(QSqlDatabase db, StockOptions options);

    // "Ki&adás" refuses a sheet with a shortage.
    static Refusal shortage(const RationSheet &sheet);
    // True when some total is above 0: the sheet posts items, and the voucher header is asked
    // for. A sheet of zeros posts none, needs no voucher number, and still counts as issued.
    static bool postsItems(const RationSheet &sheet);
    static QString question();
    // Shown (caption "Hiba") after any refusal of the issue.
    static Refusal failure();
    static QString success();
    static QString printQuestion();

    // The voucher number proposed in the header and the running number it would get.
    QString proposeNumber() const;
    QString nextRunningNumber(int year) const;

    // The issue voucher of a sheet: one item per material total above 0, each with the VAT code in
    // force on the ration date for the material's group.
    static StockVoucher voucherOf(const RationSheet &sheet, const RationIssueHeader &header);

    // The outcome of the posted voucher (empty bizSzam when no row was posted). The a-la-carte
    // movement type is refused: its rows would be taken for a-la-carte ones.
    StockOutcome issue(
        const RationSheet &sheet, const RationIssueHeader &header, const QString &owner, const QDate &today);

private:
    QSqlDatabase m_db;
    StockOptions m_options;
};
