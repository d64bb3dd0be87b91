#pragma once

#include "core/Refusal.h"
#include "menu/RationIssue.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>

// Issues an a-la-carte sheet from stock in one voucher of the a-la-carte movement type ("08"),
// all or nothing, in one write transaction: every menu row the sheet covers must still be open
// (another user or a restored copy may have issued it meanwhile), the voucher is posted through
// the stock ledger, exactly those rows are marked issued, the detail lines are kept in
// CartKiszabat, the recipes get their UseDat, and the owner's unfinished sheet is emptied.
class CartIssue
{
public:
    CartIssue(QSqlDatabase db, StockOptions options);

    // True when every one of the rows is an open row of the date (an empty list is not).
    static Checked<bool> allOpen(QSqlDatabase db, const QDate &date, const QList<qint64> &rows);

    // Refused when the covered rows are no longer all open.
    static Refusal alreadyIssued();
    static QString success(); // "Az A la Carte kiszabat sikeresen ki lett adva a raktárból."

    // The header's movement type is ignored: the issue always posts "08".
    StockOutcome issue(const RationSheet &sheet, const QList<qint64> &covered, const RationIssueHeader &header,
        const QString &owner, const QDate &today);

private:
    QSqlDatabase m_db;
    StockOptions m_options;
};
