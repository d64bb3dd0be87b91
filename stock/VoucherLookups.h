#pragma once

#include "core/Money.h"
#include "core/Refusal.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

// The look-up lists of the voucher screens and what the voucher view shows: movement types of one
// direction, partners by name, ledger accounts, the materials of a ledger account by name, the VAT
// rows and the VAT row of a group valid at a date, and the items and totals of one voucher. A read
// that the database refuses answers with the refusal that names its cause, never with an empty list.
class VoucherLookups
{
public:
    explicit VoucherLookups(QSqlDatabase warehouse)
        : m_db(warehouse)
    {
    }

    struct Entry
    {
        QString code;
        QString text;
    };
    struct Partner
    {
        QString code;
        QString nev;
        QString irszam;
        QString telepules;
        QString utca;
        // postal code, a blank, settlement, ", ", street
        QString address() const;
    };
    struct Material
    {
        QString fokSzla;
        QString nyilvSzam;
        QString megnevezes;
        QString mertekegyseg;
        QString afaCsoport;
        int kerekites = 0;
        Money nyilvAr;
    };
    struct Vat
    {
        QString afaKod;
        QString afaCsoport;
        QDate datum;
        double percent = 0;
    };
    struct Item
    {
        qint64 raktAzon = 0;
        QString fokSzla;
        QString nyilvSzam;
        QString megnevezes;
        double tetelMenny = 0;
        QString mertekegyseg;
        Money tetelErtek;
    };
    struct Totals
    {
        Money net;
        Money vat;
        Money gross;
    };

    Checked<QList<Entry>> movementTypes(const QString &direction) const;
    Checked<QList<Partner>> partners() const;
    Checked<QList<Entry>> ledgerAccounts() const;
    Checked<QList<Material>> materials(const QString &fokSzla) const;
    // Every VAT row in the order of OrderDatum (date, then rate).
    Checked<QList<Vat>> vatRows() const;
    // The last VAT row of the group, in that order, whose date is on or before `date`.
    static std::optional<Vat> vatFor(const QList<Vat> &rows, const QString &afaCsoport, const QDate &date);

    Checked<QList<Item>> items(const QString &bizSzam, const QDate &datum, const QString &bk) const;
    Checked<Totals> totals(const QString &bizSzam, const QDate &datum, const QString &bk) const;
    // The running number of the voucher's first item; empty when it has none yet.
    Checked<QString> runningNumber(const QString &bizSzam, const QDate &datum, const QString &bk) const;

private:
    QSqlDatabase m_db;
};
