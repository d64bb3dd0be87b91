#pragma once

#include "core/Money.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The rows the correction list offers: the movement rows of one direction dated after the last
// closed day (read at each run), whose voucher number contains a typed text, with their material,
// movement type, unit and partner, in one of two orders.
class CorrectionList
{
public:
    enum class Order {
        DateVoucher, // "Dátum+bizonylat": date, voucher number, ledger account, register number
        VoucherDate, // "Bizonylat+dátum": voucher number, date, ledger account, register number
    };

    struct Row
    {
        qint64 raktAzon = 0;
        QDate datum;
        QString bizSzam;
        QString fokSzla;
        QString nyilvSzam;
        QString anyagNev;
        QString bk;
        QString mozgnem;
        QString mozgnemNev;
        double tetelMenny = 0;
        double keszletMenny = 0;
        QString mertekegyseg;
        QString partnerNev;
        QString irszam;
        QString telepules;
        QString utca;
        QString user;
        bool stat = false;
    };

    // How a row stands out in the list: items written by the issue by menu in one colour, those of
    // the a-la-carte ration sheets (movement type "08") in another; every other row plain.
    enum class Tint { Plain, Ration, ALaCarte };
    static Tint tint(const Row &row);

    explicit CorrectionList(QSqlDatabase warehouse)
        : m_db(warehouse)
    {
    }

    QList<Row> rows(const QString &direction, const QString &numberPart, Order order, QString *error = nullptr) const;

private:
    QSqlDatabase m_db;
};
