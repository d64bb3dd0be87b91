#pragma once

#include "core/LookupEntry.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

// The look-up lists of the master-data, recipe and menu edit screens, read from one warehouse:
// keys with the texts the lists show, names in Hungarian alphabetical order.
namespace MasterLookups {

// "011 - Élelmiszerek"
LookupList ledgerAccounts(QSqlDatabase db);
LookupList materialGroups(QSqlDatabase db);
LookupList lossCodes(QSqlDatabase db);
// "KG - kilogramm"
LookupList units(QSqlDatabase db);
// Every VAT row shown by group, value and date; the key is the group, which a material names.
LookupList vatRows(QSqlDatabase db);
// "01 - Glutén", keyed by the allergen's code.
LookupList allergens(QSqlDatabase db);
// "Normál (01)"
LookupList mealNorms(QSqlDatabase db);
// "Leves (1)"
LookupList dishKinds(QSqlDatabase db);
// "01 - Reggeli", in the order of the meal's type and norm.
LookupList meals(QSqlDatabase db);
// The recipes by name.
LookupList recipes(QSqlDatabase db);
// The materials of a ledger account by name, keyed by register number.
LookupList materialsOf(QSqlDatabase db, const QString &account);
// The rows of a code table, keyed and ordered by `keyField`, showing `textField`.
LookupList codeTableRows(QSqlDatabase db, const QString &table, const QString &keyField, const QString &textField);

// What a quantity field shows of a material: its unit code and name and its decimals (Kerekites).
struct MaterialUnit
{
    QString code;
    QString name;
    int decimals = 0;
};
std::optional<MaterialUnit> materialUnit(QSqlDatabase db, const QString &account, const QString &registerNumber);

} // namespace MasterLookups
