#pragma once

#include "core/LookupEntry.h"
#include "core/Refusal.h"

#include <QSqlDatabase>
#include <QString>

// The dish lists of the a-la-carte menu's edit screen: only priced dishes, by name.
namespace DishLookups {

// Recipes that have a price under account "1000", keyed by recipe code.
Checked<LookupList> pricedRecipes(QSqlDatabase db);
// Materials of the account that have a price, keyed by register number.
Checked<LookupList> pricedMaterialsOf(QSqlDatabase db, const QString &account);

} // namespace DishLookups
