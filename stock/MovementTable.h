#pragma once

#include "stock/MovementRow.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

// The look-ups and writes of the stock engine on Raktar and the tables beside it, each an indexed
// statement (no scan that grows with the warehouse). Every method throws StockSql::Failure when
// the database refuses a statement.
class MovementTable
{
public:
    explicit MovementTable(QSqlDatabase db)
        : m_db(db)
    {
    }

    // The last closed day (the latest Datum of Napizaras); invalid when nothing is closed.
    QDate closingDate() const;
    // The pass over the rows other than the item's own.
    struct Pass
    {
        bool sameMaterial = false; // this number, date and material exist
        QDate openingDate; // the material's latest opening row; invalid when it has none
        QString otherPartner; // a row of this voucher (number, date, direction) names this partner
    };
    // Everything the checks of one item read, in one statement (one round trip on the server).
    struct ItemFacts
    {
        QDate closed; // the last closed day; invalid when nothing is closed
        std::optional<int> decimals; // the material's Kerekites; none when the material does not exist
        QString megnevezes; // the material's name and VAT group (AfaCsoport)
        QString afaCsoport;
        QString direction; // Irany of the movement type; empty when the type does not exist
        bool numberTaken = false; // a row holds the voucher number
        bool vatExists = false; // the VAT code names a row of Afa
        QString highestNumber; // the greatest BizSzam of all rows; empty without rows
        Pass pass;
        QString sorszam; // the running number of the voucher's first row; empty when none
        QString counter; // the voucher year's Sorsz in Sorszam; empty when the year has none
        QString vatInForce; // the VAT code in force on the date for the material's group; empty when none
    };
    // The facts of `row` against the rows other than `exceptId`; the voucher's rows are those of
    // its number, date and direction (the movement type's direction when row.bk is empty).
    ItemFacts itemFacts(const MovementRow &row, qint64 exceptId) const;

    // The running number of the voucher's first row other than `exceptId`; empty when none.
    QString voucherSorszam(const QString &bizSzam, const QDate &datum, const QString &bk, qint64 exceptId) const;

    std::optional<MovementRow> row(qint64 raktAzon) const;
    // Writes every field but RaktAzon; returns the new id.
    qint64 insert(const MovementRow &row);
    void update(const MovementRow &row);
    void remove(qint64 raktAzon);

    // The rows of a manual issue voucher that a whole-voucher deletion takes: this date and exact
    // number, "KI", not written by a ration sheet, not "08".
    QList<MovementRow> manualIssueRows(const QDate &datum, const QString &bizSzam) const;

private:
    // The statements are the connection's (StatementSet): prepared once, for every operation.
    QSqlDatabase m_db;
};
