#pragma once

#include "alacarte/DishPrices.h"
#include "core/Refusal.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

// One row of the a-la-carte price list as shown: the dish, its material cost of one portion, its
// selling price and what the sale leaves.
struct PriceListRow
{
    DishKey key;
    QString name;
    QString unit; // "1 adag", or "1 " + the material's unit code
    Money cost; // Netto: material net of one portion
    Money costVat; // Afa: its VAT
    Money costGross; // Brutto
    double margin = 0; // Haszonkulcs
    Money gross; // Fixar
    QDate changed; // Datum
    QString vatGroup; // AfaCsoport of the sale
    // The sale's rate today and the figures that depend on it; none when the group has no rate in
    // force (the row is then shown without them rather than priced at 0 %).
    std::optional<double> vatPercent; // AfaKulcs
    Money net; // FixNetto
    Money vat; // FixAfa
    Money profit; // Nyereseg: net selling price minus net material cost
};

namespace PriceList {

// Every priced dish whose recipe or material exists, ordered by name (or by date, then name),
// with the VAT rates in force on `today`.
Checked<QList<PriceListRow>> read(QSqlDatabase db, const QDate &today, bool byDate = false);

// Shown when the price list opens and the recipes' costs may be stale (TapValt).
QString staleCostsNotice();

} // namespace PriceList
