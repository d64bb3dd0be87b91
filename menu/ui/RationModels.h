#pragma once

#include "menu/RationTypes.h"
#include "menu/RationViews.h"
#include "printing/ui/ListReport.h"

#include <QList>

class QStandardItemModel;

// The grids of the ration sheet and planning screens: each view's rows as display texts under
// the view's column captions, and the columns of its printout.
namespace RationModels {

// View 1 (with the date first for planning).
void fillMenu(QStandardItemModel &model, const QList<RationMenuRow> &rows, bool withDate);
// View 2.
void fillDishes(QStandardItemModel &model, const QList<RationViews::DishRow> &rows);
// View 3; the line id is kept in Qt::UserRole of the first column.
void fillDetails(QStandardItemModel &model, const QList<RationViews::DetailRow> &rows);
// View 4 (and planning's view 3); rows short of stock white on red; the material key in
// Qt::UserRole of the first column. `decimals` gives each material's decimals by key.
void fillTotals(QStandardItemModel &model, const QList<RationTotal> &totals, const QHash<MaterialKey, int> &decimals,
    const QString &unitCaption);

// The printout columns of a view (1 to 4), read from the grid's captions.
QList<ListColumn> printColumns(int view);

// The material key or line id of a grid row.
MaterialKey keyAt(const QStandardItemModel &model, int row);
qint64 idAt(const QStandardItemModel &model, int row);

} // namespace RationModels
