#pragma once

#include "master/BrowseSpec.h"

#include <QList>
#include <QString>
#include <QStringList>

// The ten code tables: small lists that the rest of the program refers to by code.
enum class CodeTableId {
    LedgerAccounts,
    MovementTypes,
    VatRates,
    Units,
    Allergens,
    LossCodes,
    MealNorms,
    Meals,
    MealTypes,
    Warehouses,
};

// How a code is typed and stored.
enum class KeyForm {
    Padded, // typed as a number 0..maximum, stored with leading zeros to its width ("7" -> "007")
    UpperCase, // 2 to `width` characters, ASCII letters turned to upper case (units)
    AsTyped, // up to `width` characters as typed (meal norms, meal types)
    Shown, // a number that is shown and never typed (warehouses)
};

// What kind of value a field of the edit screen holds.
enum class FieldKind {
    Code, // the key
    Group, // a second code typed as a number 0..99 and padded to two digits (VAT group)
    Text, // free text up to `width` characters (the name is one)
    Direction, // "BE" or "KI"
    Number, // a whole number 0..100 (loss per month)
    Average, // computed: the loss codes' weighted average
    Percent, // 0..100 with two decimals, comma or point (VAT value)
    Date,
    Money, // two decimals on screen, four in the table
    Lookup, // the key of a row of another table
    Picture, // a picture file name of the Pictures folder
};

struct CodeField
{
    QString field;
    QString label;
    FieldKind kind = FieldKind::Text;
    int width = 0; // maximum length of a text
    QString control; // objectName of the edit screen's control
    QString message; // Group: the refusal of a value out of range
    // Lookup: the table, its key field and the field shown.
    QString lookupTable;
    QString lookupKey;
    QString lookupShown;
};

// A table and field that refer to a code table's rows; `byField` names the code table's field
// whose value is looked for (the key unless given).
struct Usage
{
    QString table;
    QString field;
    QString byField;
};

// One member of the code tables: everything in which its screens and checks differ from the
// others. The pattern itself lives in CodeTableStore and the screens.
struct CodeTable
{
    CodeTableId id;
    BrowseSpec browse;
    QString editScreen;
    QString editHelpPage;
    bool shared = false; // in the shared tables, not the warehouse's
    KeyForm keyForm = KeyForm::Padded;
    int keyWidth = 2;
    int keyMaximum = 99;
    QString nameField; // checked for at least 2 characters when not empty
    QList<CodeField> fields; // edit screen order; the key first
    QList<Usage> usages; // a row that any of them names cannot be deleted
    QString rangeMessage; // a code out of range (Padded) or too short (UpperCase)
    QString existsMessage;
    QString existsFocus = QStringLiteral("edtKod"); // focused after the "already exists" message
    QString fixedUpTo; // codes up to this one (text order) can neither be modified nor deleted
    QString modifyRefused; // the answer of Modify when the member is never modified (information)
    bool canCreate = true;
    bool canDelete = true;
    bool closeAfterNew = false;

    const CodeField &keyField() const { return fields.first(); }
    const CodeField *field(const QString &name) const;
    // The quoted SQL name of the table.
    QString sqlTable() const;
};

namespace CodeTables {

const QList<CodeTable> &all();
const CodeTable &member(CodeTableId id);

} // namespace CodeTables
