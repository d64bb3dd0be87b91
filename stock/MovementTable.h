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
    // The direction (Irany) of a movement type; empty when the type does not exist.
    QString direction(const QString &mozgnem) const;
    // The material's quantity decimals (Kerekites); none when the material does not exist.
    std::optional<int> materialDecimals(const QString &fokSzla, const QString &nyilvSzam) const;
    // The closing date and the material's decimals in one look-up.
    struct ItemBasics
    {
        QDate closed;
        std::optional<int> decimals;
    };
    ItemBasics itemBasics(const QString &fokSzla, const QString &nyilvSzam) const;
    bool numberTaken(const QString &bizSzam) const;
    // Whether the VAT code names a row of Afa.
    bool vatCodeExists(const QString &afaKod) const;
    // The material's name and VAT group (AfaCsoport); both empty when the material does not exist.
    struct MaterialVat
    {
        QString megnevezes;
        QString afaCsoport;
    };
    MaterialVat materialVat(const QString &fokSzla, const QString &nyilvSzam) const;

    // The pass over the rows other than `exceptId`.
    struct Pass
    {
        bool sameMaterial = false; // this number, date and material exist
        QDate openingDate; // the material's latest opening row; invalid when it has none
        QString otherPartner; // a row of this voucher (number, date, direction) names this partner
    };
    Pass pass(const MovementRow &row, qint64 exceptId) const;
    // The material's latest opening row other than `exceptId` (Pass::openingDate alone).
    QDate openingDate(const QString &fokSzla, const QString &nyilvSzam, qint64 exceptId) const;
    // Whether the voucher of this number has rows on this date: without any, a pass can only
    // find the opening date.
    bool voucherStored(const QString &bizSzam, const QDate &datum) const;

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
