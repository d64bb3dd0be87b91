#pragma once

#include <QSqlDatabase>
#include <QString>

// Voucher numbers (one sequence over receipts and issues) and the yearly running numbers of
// Sorszam. Throws StockSql::Failure on a database error.
class VoucherNumbers
{
public:
    explicit VoucherNumbers(QSqlDatabase db)
        : m_db(db)
    {
    }

    // The highest voucher number of all movement rows plus one, eight digits; empty when the
    // highest is 99999999 or more.
    QString propose() const;
    // The same, from the greatest voucher number read already (ItemFacts::highestNumber).
    QString proposeAbove(const QString &highest) const;
    // The running number the year's next voucher gets, for showing: year + "/" + Sorsz, or
    // year + "/00001" when the year has no counter yet. Writes nothing.
    QString nextRunningNumber(int year) const;
    // Inside the caller's transaction: hands out the year's running number and advances the
    // counter (creating the year's row on first use). `counter` is the year's Sorsz as read in
    // this transaction (ItemFacts::counter), empty when the year has no row yet.
    QString takeRunningNumber(int year, const QString &counter);

private:
    QSqlDatabase m_db;
};
