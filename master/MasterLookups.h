#pragma once

#include "core/LookupEntry.h"
#include "core/Refusal.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

// The look-up lists of the master-data, recipe and menu edit screens, read from one warehouse:
// keys with the texts the lists show, names in Hungarian alphabetical order. A read that the
// database refuses answers with the refusal that names its cause.
namespace MasterLookups {

// "011 - Élelmiszerek"
Checked<LookupList> ledgerAccounts(QSqlDatabase db);
Checked<LookupList> materialGroups(QSqlDatabase db);
Checked<LookupList> lossCodes(QSqlDatabase db);
// "KG - kilogramm"
Checked<LookupList> units(QSqlDatabase db);
// Every VAT row shown by group, value and date; the key is the group, which a material names.
Checked<LookupList> vatRows(QSqlDatabase db);
// "01 - Glutén", keyed by the allergen's code.
Checked<LookupList> allergens(QSqlDatabase db);
// "Normál (01)"
Checked<LookupList> mealNorms(QSqlDatabase db);
// "Leves (1)"
Checked<LookupList> dishKinds(QSqlDatabase db);
// "01 - Reggeli", in the order of the meal's type and norm.
Checked<LookupList> meals(QSqlDatabase db);
// The recipes by name.
Checked<LookupList> recipes(QSqlDatabase db);
// The materials of a ledger account by name, keyed by register number.
Checked<LookupList> materialsOf(QSqlDatabase db, const QString &account);
// The rows of a code table, keyed and ordered by `keyField`, showing `textField`.
Checked<LookupList> codeTableRows(QSqlDatabase db, const QString &table, const QString &keyField, const QString &textField);

// What a quantity field shows of a material: its unit code and name and its decimals (Kerekites).
struct MaterialUnit
{
    QString code;
    QString name;
    int decimals = 0;
};
// None when the material does not exist; a refused read answers with its refusal.
Checked<std::optional<MaterialUnit>> materialUnit(QSqlDatabase db, const QString &account, const QString &registerNumber);

} // namespace MasterLookups
