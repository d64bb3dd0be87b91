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

} // namespace StockFixture
