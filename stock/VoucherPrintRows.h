#pragma once

#include "core/Money.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The items of printed receipt or issue vouchers, grouped per voucher, with each voucher's totals
// and those of the whole printout summed exactly. One voucher (the voucher screens, the issue by
// menu) or every voucher of a period and a few filters (the voucher lists).
class VoucherPrintRows
{
public:
    enum class Order {
        DateVoucher, // date, voucher number, ledger account, register number
        VoucherDate, // voucher number, date, ledger account, register number
    };

    // Which rows a voucher list prints; an empty text leaves its condition out.
    struct Filter
    {
        QString direction; // "BE" or "KI"
        QDate from;
        QDate to;
        QString numberPart; // contained anywhere in the voucher number
        QString fokSzla;
        QString partAzon;
        QString mozgnemFrom;
        QString mozgnemTo;
        Order order = Order::DateVoucher;
    };

    struct Row
    {
        qint64 raktAzon = 0;
        QString bizSzam;
        QDate datum;
        QString bk;
        QString mozgnem;
        QString mozgnemNev;
        QString fokSzla;
        QString nyilvSzam;
        QString anyagNev;
        QString mertekegyseg;
        QString partAzon;
        QString partnerNev;
        QString irszam;
        QString telepules;
        QString utca;
        QString sorszam;
        QString user;
        QDate lejarat;
        Money kiAr;
        Money tetelErtek;
        Money afaErtek;
        Money brutto;
        double afaSzazalek = 0; // the VAT percent of the row's VAT code
        double tetelMenny = 0;
        double keszletMenny = 0;
    };

    struct Totals
    {
        Money netto;
        Money afa;
        Money brutto;
        int count = 0;

        void add(const Row &row);
        bool operator==(const Totals &) const = default;
    };

    // The items of one voucher: its number, date and direction. The group header shows the number,
    // date, movement type, partner and running number of its first item.
    struct Voucher
    {
        QList<Row> rows;
        Totals totals;

        const Row &first() const { return rows.first(); }
    };

    // One voucher of a direction: the items with this number and this date.
    static VoucherPrintRows ofVoucher(
        QSqlDatabase warehouse, const QString &direction, const QString &bizSzam, const QDate &datum);
    // The rows of a voucher list in its order, a new group at each change of number or date.
    static VoucherPrintRows ofList(QSqlDatabase warehouse, const Filter &filter);

    const QList<Voucher> &vouchers() const { return m_vouchers; }
    const Totals &totals() const { return m_totals; }
    bool isEmpty() const { return m_vouchers.isEmpty(); }
    // The database's reason when the rows could not be read (the list is then empty).
    QString error() const { return m_error; }

private:
    void read(QSqlDatabase warehouse, const QString &conditions, const QVariantList &values, Order order);

    QList<Voucher> m_vouchers;
    Totals m_totals;
    QString m_error;
};
