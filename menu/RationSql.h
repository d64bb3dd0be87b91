#pragma once

#include "menu/RationTypes.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

// Small SQL helpers of the ration sheet's queries.
namespace RationSql {

// "(f = ? OR f = ? ... OR 1 = 0)": the meal condition with one bound parameter per code; the
// closing false term makes an empty list select nothing.
QString anyOf(const QString &field, int count);

// Binds the values in order.
void bindAll(QSqlQuery &query, const QStringList &values);

// The values of a ration line in the order of the Kiszabat and TmpKiszabat columns FokSzam,
// NyilvSzam, Megnevezes, Mennyiseg, Mertekegyseg, Datum, EtkKod, EtkTip, Letszam, Norma_fo,
// Norma_etk, NyilvAr, Anyagar.
QVariantList lineValues(const RationLine &line);

} // namespace RationSql
