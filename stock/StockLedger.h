#pragma once

#include "core/Refusal.h"
#include "stock/StockItem.h"
#include "stock/StockOptions.h"
#include "stock/StockOutcome.h"
#include "stock/StockVoucher.h"
#include "stock/MovementTable.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>


// The stock engine of one warehouse (Parts 4.1, 4.2, 4.3): recording a receipt or issue item,
// changing an item (also onto another material or date), deleting an item or a whole manual issue
// voucher. Each operation runs in one write transaction: the checks that read the data, the
// writes, the recalculation of every material touched in check and then write mode, the
// material's stock fields and the running-number counter; a refusal or an error rolls everything
// back. No message is shown here: the outcome carries the refusal, or the notices to show after
// the commit.
class StockLedger
{
public:
    StockLedger(QSqlDatabase warehouse, StockOptions options);

    // The checks a screen runs before recording, without a transaction (the closed day, the
    // material, the voucher number), so that their refusal comes before the work-year warning.
    Refusal precheck(const StockItem &item) const;
    // A date outside the work year only warns: caption "Figyelmeztetés!".
    static Refusal workYearWarning(const QDate &datum, int workYear);

    StockOutcome record(const StockItem &item);
    // Posts a whole voucher, all or nothing: every item checked against the rows stored before it
    // (refusals name no item field), the running number taken once, the rows inserted and each
    // material recalculated. A voucher without items writes nothing and passes once its date and
    // movement type do. Inside an open write it becomes part of that write.
    StockOutcome post(const StockVoucher &voucher);
    StockOutcome change(qint64 raktAzon, const StockItem &item);
    StockOutcome remove(qint64 raktAzon);
    // Every manual item (not a ration-sheet item, not "08") of the issue voucher with this date and
    // exactly this number; all or nothing.
    StockOutcome removeIssueVoucher(const QDate &datum, const QString &bizSzam);

    // The refusals' captions.
    static Refusal warningRefusal(const QString &text, const QString &focus = QString());

private:
    // The checks of one item against the warehouse. Also rounds the row's quantity to the
    // material's decimals.
    Refusal checkItem(const MovementTable::ItemFacts &facts, MovementRow &row, bool newMode, QString *partner) const;
    // The material exists; the quantity is rounded to its decimals.
    Refusal checkMaterial(const std::optional<int> &decimals, MovementRow &row) const;
    // The row against its voucher's other rows (`pass`), the opening, and its numbers.
    Refusal checkRow(const MovementTable::ItemFacts &facts, const MovementRow &row, const MovementTable::Pass &pass,
        bool newMode, QString *partner) const;
    Refusal postRows(const StockVoucher &voucher, StockOutcome &outcome) const;
    MovementRow rowFor(const StockItem &item, const QString &bk) const;

    QSqlDatabase m_db;
    StockOptions m_options;
};
