#pragma once

#include "core/Money.h"
#include "stock/MovementRow.h"
#include "stock/StockItem.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// Materials and voucher items for the stock engine's tests, written into one warehouse.
namespace StockFixture {

// A raw material with VAT group "01" (27 %), unit "KG", and its quantity decimals and stock limits.
void addMaterial(QSqlDatabase db, const QString &fokSzla, const QString &nyilvSzam, const QString &name,
    int kerekites = 2, double keszletMin = 0, double keszletMax = 0);

// A receipt item of movement type "01" from partner "00000" at a net unit price, with the net total,
// VAT (27 %) and gross the receipt screen computes.
StockItem receipt(const QString &bizSzam, const QDate &datum, const QString &nyilvSzam, double quantity,
    const QString &netUnit, const QString &fokSzla = QStringLiteral("100"));
// An issue item of movement type "03" to partner "00001"; `typedValue` is the issue value typed with
// KiadAr on.
StockItem issue(const QString &bizSzam, const QDate &datum, const QString &nyilvSzam, double quantity,
    const QString &typedValue = QString(), const QString &fokSzla = QStringLiteral("100"));

Money money(const QString &text);
// One value of the first row of a query (a null QVariant when there is no row).
QVariant value(QSqlDatabase db, const QString &sql);

// A partner with its name and address.
void addPartner(QSqlDatabase db, const QString &partAzon, const QString &nev, const QString &irszam = QString(),
    const QString &telepules = QString(), const QString &utca = QString());
// A movement row written as it stands, without the stock engine: for readers of the rows.
// Returns its RaktAzon.
qint64 addRow(QSqlDatabase db, const MovementRow &row);

// A voucher item as stored: 2.5 of the material at a registered price of 400.0004 with 7.125 left
// in stock after it, the given amounts, user "anna" and the running number "2025/000" + the last
// two digits of the number.
MovementRow voucherItem(const QString &bk, const QString &mozgnem, const QString &bizSzam, const QDate &datum,
    const QString &fokSzla, const QString &nyilvSzam, const QString &partAzon, const QString &afaKod,
    const QString &netto, const QString &afa, const QString &brutto);
// Receipt vouchers of January and February 2025 and one issue voucher, for the readers of vouchers:
//   00000010 on 01-02: Cukor 100/0002 (1000.0001 + 270 = 1270.0001) and Liszt 100/0001
//                      (0.1 + 0.03 = 0.13), supplier 00010 "Gabona Kft.";
//   00000009 on 01-03: Tej 200/0001, movement type "02", 5 % VAT, supplier 00011 "Tejüzem Zrt.";
//   00000011 on 01-20: an item whose material (100/0009) and partner (99999) are gone;
//   00000010 on 02-05: Liszt again;  and the issue 00000010 on 01-02.
// 00000010 on 01-02 and 00000009 on 01-03 give the same sum of number, month and day and follow
// each other in date order.
void addExampleVouchers(QSqlDatabase db);
// Three materials with three decimals recorded through the stock engine, for the stock reports:
//   100/0001 Liszt: 10 in at 150 on 2025-03-01, 2 out on 03-02;
//   100/0002 Cukor: 5 in at 10 on 03-01, all 5 out on 03-05;
//   200/0003 Alma: 3 in at 100 on 04-01 (ledger account 200).
void addReportStock(QSqlDatabase db);

} // namespace StockFixture
